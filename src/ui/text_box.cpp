#include "ui/text_box.h"

#include <QKeyEvent>
#include <QPointer>

#include "ui/key_ascii.h"

namespace aerlith::ui {

TextBox::TextBox(QWidget* parent, const QString& arrayName, int index)
    : QLineEdit(parent), Control(ControlKind::TextBox, arrayName, index) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const auto keyAscii = KeyAsciiOf(*event);
    if (!keyAscii) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler may hide this box, move the focus, or clear the window; the key is then done.
    QPointer<TextBox> self(this);
    emit KeyTyped(*keyAscii);
    if (!self) return;
    if (swallowed_.contains(*keyAscii)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // A key a text box has no use for still belongs to the box, never to the window.
    event->accept();
}

}  // namespace aerlith::ui
