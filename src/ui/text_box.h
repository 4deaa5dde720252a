#pragma once
// A single-line text box. Its change notification fires also when code sets the text; the
// character code of every key typed in it is announced before the box takes the key. While it
// has the focus it shows the focus ring, and its text keeps clear of where the ring lies.

#include <QLineEdit>

#include "ui/control.h"

namespace aerlith::ui {

class TextBox : public QLineEdit, public Control {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& arrayName, int index);

    QWidget& Widget() override { return *this; }

    /// Keys whose code a handler took: the box does not type them (Enter, Esc by default).
    void SetSwallowedKeys(QList<int> keyAsciiCodes) { swallowed_ = std::move(keyAsciiCodes); }

signals:
    /// A key was typed in the box: its character code (Enter 13, Esc 27, Backspace 8).
    void KeyTyped(int keyAscii);

protected:
    void initStyleOption(QStyleOptionFrame* option) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QList<int> swallowed_{13, 27};
    bool fontChangedWhileHidden_ = false;
};

}  // namespace aerlith::ui
