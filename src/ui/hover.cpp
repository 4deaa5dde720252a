#include "ui/hover.h"

#include <QMouseEvent>
#include <QWidget>

#include "ui/form.h"

namespace aerlith::ui {
namespace {

void SetUnderline(QWidget& widget, bool underline) {
    // Reading first keeps the many moves across one button to at most one font change.
    if (widget.font().underline() == underline) return;
    QFont font = widget.font();
    font.setUnderline(underline);
    widget.setFont(font);
}

}  // namespace

void UnderlineControl(QWidget& control) { SetUnderline(control, true); }

void ClearUnderlines(const Form& form) {
    for (Control* control : form.Controls()) {
        if (control != nullptr && control->Kind() == ControlKind::CheckButton) {
            SetUnderline(control->Widget(), false);
        }
    }
}

PointerWatch::PointerWatch(QWidget& widget, WatchedMoves moves)
    : QObject(&widget), widget_(widget), moves_(moves) {
    // Without tracking, Qt drops moves with no button held before any filter sees them.
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

bool PointerWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_) return false;
    if (event->type() == QEvent::Leave) emit PointerLeft();
    if (event->type() != QEvent::MouseMove) return false;
    switch (moves_) {
        case WatchedMoves::All:
            emit PointerMoved();
            break;
        case WatchedMoves::WhileDisabled:
            if (!widget_.isEnabled()) emit PointerMoved();
            break;
        case WatchedMoves::OverBackground: {
            // Moves that a child ignored come on to the window too; only the bare surface counts.
            const auto* move = static_cast<QMouseEvent*>(event);
            const QWidget* child = widget_.childAt(move->position().toPoint());
            if (child == nullptr || !child->isEnabled()) emit PointerMoved();
            break;
        }
    }
    return false;
}

}  // namespace aerlith::ui
