#include "ui/caption_label.h"

#include <QMouseEvent>

namespace aerlith::ui {

CaptionLabel::CaptionLabel(QWidget* parent, const QString& arrayName, int index)
    : QLabel(parent), Control(ControlKind::Label, arrayName, index) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit PointerMoved();
}

}  // namespace aerlith::ui
