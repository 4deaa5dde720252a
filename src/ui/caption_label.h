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

    /// Marks the label as the drawn shadow of another one with the same text: a screen reader
    /// skips it, so each caption is read once.
    void SetShadow(bool shadow) { shadow_ = shadow; }
    bool IsShadow() const { return shadow_; }

signals:
    void Clicked();
    void PointerMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool shadow_ = false;
};

}  // namespace aerlith::ui
