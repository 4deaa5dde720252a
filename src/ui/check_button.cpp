#include "ui/check_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "ui/focus_ring.h"
#include "ui/key_ascii.h"

namespace aerlith::ui {

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

void CheckButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    // The style's own focus mark, a one-pixel tint of the outline, gives way to the ring.
    option->state &= ~QStyle::State_HasFocus;
    // The palette as given, shared by the bank, not the widget's own copy of it: the style
    // caches a drawn button under its palette's key, so one bank's buttons are drawn once.
    if (const auto& given = GivenPalette()) {
        option->palette = *given;
        // Disabled, inactive or active, as the widget's own copy says.
        option->palette.setCurrentColorGroup(palette().currentColorGroup());
    }
}

void CheckButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    PaintFocusRing(*this, [this](QPainter& painter) {
        QStyleOptionButton option;
        initStyleOption(&option);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    });
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
