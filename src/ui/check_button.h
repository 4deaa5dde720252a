#pragma once
// A two-state button: every press runs its action once and leaves it released. It paints itself
// alike with every style: a flat fill in exactly its Button colour, a 3-D edge in the platform's
// colours, and its caption. Characters typed while it has the focus belong to it and never reach
// the window. The keyboard, the program and a left click give it the focus; a right click does
// not, so help asked for with the mouse leaves the focus where the user was typing. While it has
// the focus it shows the focus ring.

#include <QPushButton>

#include "ui/control.h"

namespace aerlith::ui {

class CheckButton : public QPushButton, public Control {
    Q_OBJECT
public:
    CheckButton(QWidget* parent, const QString& arrayName, int index);

    QWidget& Widget() override { return *this; }

    /// Presses the button from code, as a keyboard route does: its click runs at once. A locked
    /// (disabled) button is not pressed.
    void Press();

signals:
    /// A key was typed on the button: its character code (Enter 13, Esc 27, Backspace 8).
    void KeyTyped(int keyAscii);
    /// A mouse button was released over the button: 1 left, 2 right.
    void MouseUp(int button);
    /// The pointer moved over the button.
    void PointerMoved();
    /// Help was asked for from the keyboard while the button has the focus: F1, the
    /// context-menu key or Shift+F10.
    void HelpRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The button without its focus ring: a flat fill in its Button colour within a raised 3-D
    // edge, sunken while it is held down, and its caption.
    void PaintLook(QPainter& painter);
};

}  // namespace aerlith::ui
