#pragma once
// A label: plain text, "&" shown as itself, transparent unless given a background.

#include <QLabel>

#include "ui/control.h"

namespace aerlith::ui {

class CaptionLabel : public QLabel, public Control {
    Q_OBJECT
public:
    CaptionLabel(QWidget* parent, const QString& arrayName, int index);

    QWidget& Widget() override { return *this; }

signals:
    void Clicked();
    void PointerMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace aerlith::ui
