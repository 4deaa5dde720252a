#include "ui/focus_ring.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "layout/window_math.h"

namespace aerlith::ui {

FocusRingBand FocusRingOf(const QWidget& control) {
    const double ratio = control.devicePixelRatioF();
    const double scaling = ratio * control.logicalDpiX() / 96.0;
    // The outline is one logical pixel; at a ratio of 1.5 it touches two device pixels.
    const int inset = static_cast<int>(std::ceil(ratio - 1e-9));
    return {inset, static_cast<int>(std::lround(2.0 * scaling)) + inset};
}

int FocusRingDepth(const QWidget& control) {
    const FocusRingBand band = FocusRingOf(control);
    return static_cast<int>(std::ceil((band.inset + band.thickness) / control.devicePixelRatioF()));
}

void PaintFocusRing(QWidget& control, const std::function<void(QPainter&)>& paintUnfocused) {
    const double ratio = control.devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::lround(control.width() * ratio)),
                       static_cast<int>(std::lround(control.height() * ratio)));
    QImage look(pixels, QImage::Format_ARGB32_Premultiplied);
    look.setDevicePixelRatio(ratio);
    look.fill(Qt::transparent);
    {
        QPainter painter(&look);
        paintUnfocused(painter);
    }
    QImage ring(pixels, QImage::Format_ARGB32_Premultiplied);
    ring.setDevicePixelRatio(ratio);
    ring.fill(Qt::transparent);
    const FocusRingBand band = FocusRingOf(control);
    const int width = pixels.width();
    const int height = pixels.height();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int depth = std::min({x, y, width - 1 - x, height - 1 - y}) - band.inset;
            if (depth < 0 || depth >= band.thickness) continue;
            const QColor under = look.pixelColor(x, y);
            const bool black = layout::BlackStandsOutOver(under.red(), under.green(), under.blue());
            ring.setPixelColor(x, y, black ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    QPainter painter(&control);
    painter.drawImage(QPointF(0, 0), ring);
}

}  // namespace aerlith::ui
