#include "ui/check_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

#include "ui/focus_ring.h"
#include "ui/key_ascii.h"

namespace aerlith::ui {
namespace {

// One line of a 3-D edge, `thickness` device pixels wide, along the inside of `pixels`: the top and
// the left in one colour, then the bottom and the right in the other; painted last, these take
// the two corners where the colours meet.
void PaintEdgeLine(QPainter& painter, const QRect& pixels, int thickness, const QColor& topLeft,
                   const QColor& bottomRight) {
    painter.fillRect(QRect(pixels.left(), pixels.top(), pixels.width(), thickness), topLeft);
    painter.fillRect(QRect(pixels.left(), pixels.top(), thickness, pixels.height()), topLeft);
    painter.fillRect(
        QRect(pixels.left(), pixels.bottom() - thickness + 1, pixels.width(), thickness),
        bottomRight);
    painter.fillRect(
        QRect(pixels.right() - thickness + 1, pixels.top(), thickness, pixels.height()),
        bottomRight);
}

}  // namespace

CheckButton::CheckButton(QWidget* parent, const QString& arrayName, int index)
    : QPushButton(parent), Control(ControlKind::CheckButton, arrayName, index) {
    setAutoDefault(false);
    setMouseTracking(true);
    // Qt gives a click-focus widget the focus on any mouse button, before the widget sees the
    // press; the left button takes it in mousePressEvent instead.
    setFocusPolicy(Qt::TabFocus);
}

void CheckButton::Press() {
    if (isEnabled()) click();
}

void CheckButton::paintEvent(QPaintEvent* /*event*/) {
    {
        QPainter painter(this);
        PaintLook(painter);
    }
    if (!hasFocus()) return;
    PaintFocusRing(*this, [this](QPainter& painter) { PaintLook(painter); });
}

void CheckButton::PaintLook(QPainter& painter) {
    const double ratio = devicePixelRatioF();
    // Each line of the edge is one logical pixel in whole device pixels, so that it stays sharp
    // at any scaling; the focus ring starts just inside the outer line.
    const int line = static_cast<int>(std::ceil(ratio - 1e-9));
    const QRect pixels(0, 0, static_cast<int>(std::lround(width() * ratio)),
                       static_cast<int>(std::lround(height() * ratio)));
    const QPalette& colours = palette();
    const bool sunken = isDown() || isChecked();
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(pixels, colours.color(QPalette::Button));
    // The edge's colours are the platform's, whatever the fill: light falls from the top left.
    const QRect inner = pixels.adjusted(line, line, -line, -line);
    if (sunken) {
        PaintEdgeLine(painter, pixels, line, colours.color(QPalette::Dark),
                      colours.color(QPalette::Light));
        PaintEdgeLine(painter, inner, line, colours.color(QPalette::Shadow),
                      colours.color(QPalette::Midlight));
    } else {
        PaintEdgeLine(painter, pixels, line, colours.color(QPalette::Light),
                      colours.color(QPalette::Shadow));
        PaintEdgeLine(painter, inner, line, colours.color(QPalette::Midlight),
                      colours.color(QPalette::Dark));
    }
    painter.restore();

    painter.save();
    painter.setFont(font());
    // A button held down shows its caption one line further down and to the right.
    if (sunken) painter.translate(line / ratio, line / ratio);
    const int margin = static_cast<int>(std::ceil(2 * line / ratio));
    QStyleOption option;
    option.initFrom(this);
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) != 0
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    // The style draws a locked button's caption as the platform does (greyed, etched where the
    // platform etches) in the palette's disabled caption colour.
    style()->drawItemText(&painter, rect().adjusted(margin, margin, -margin, -margin),
                          Qt::AlignCenter | mnemonic, colours, isEnabled(), text(),
                          QPalette::ButtonText);
    painter.restore();
}

void CheckButton::keyPressEvent(QKeyEvent* event) {
    // Focus movement stays with Qt; the space bar presses the button as on any push button.
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Space ||
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    // These type no character: they are the keyboard's way to the help a right-click shows.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_F1 && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        emit HelpRequested();
        return;
    }
    if (const auto keyAscii = KeyAsciiOf(*event)) emit KeyTyped(*keyAscii);
}

void CheckButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
    QPushButton::mousePressEvent(event);
}

void CheckButton::mouseReleaseEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    QPushButton::mouseReleaseEvent(event);
    if (button == Qt::LeftButton) emit MouseUp(1);
    if (button == Qt::RightButton) emit MouseUp(2);
}

void CheckButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    emit PointerMoved();
}

}  // namespace aerlith::ui
