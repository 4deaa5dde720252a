#include "ui/text_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

#include "ui/focus_ring.h"
#include "ui/key_ascii.h"

namespace aerlith::ui {

TextBox::TextBox(QWidget* parent, const QString& arrayName, int index)
    : QLineEdit(parent), Control(ControlKind::TextBox, arrayName, index) {
    // The text starts 2 pixels inside the frame (QLineEdit's own margin); where the ring and a
    // pixel of space inside it reach further in, the text keeps that much more room on both
    // sides, focused or not, so that the ring never touches a character and nothing moves as the
    // focus comes and goes.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int textStart = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) + 2;
    const int margin = std::max(0, FocusRingClearance(*this) - textStart);
    setTextMargins(margin, 0, margin, 0);
    // Qt's default limit of 32,767 characters drops further typing without a sign; the evaluator
    // works through far longer expressions, so the box takes all the user types.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::initStyleOption(QStyleOptionFrame* option) const {
    QLineEdit::initStyleOption(option);
    // The style's own focus mark, a one-pixel tint of the outline, gives way to the ring.
    option->state &= ~QStyle::State_HasFocus;
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus()) return;
    PaintFocusRing(*this, [this](QPainter& painter) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    });
}

void TextBox::changeEvent(QEvent* event) {
    // A hidden box lays out its text in a new font once it is shown: the value boxes stay hidden
    // until a function needs them, and their font need not be loaded before that.
    if (event->type() == QEvent::FontChange && !isVisible()) {
        fontChangedWhileHidden_ = true;
        return;
    }
    QLineEdit::changeEvent(event);
}

void TextBox::showEvent(QShowEvent* event) {
    if (fontChangedWhileHidden_) {
        fontChangedWhileHidden_ = false;
        QEvent fontChange(QEvent::FontChange);
        QLineEdit::changeEvent(&fontChange);
    }
    QLineEdit::showEvent(event);
}

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
