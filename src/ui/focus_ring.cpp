#include "ui/focus_ring.h"

#include <QImage>
#include <QPainter>
#include <QRgb>
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

int FocusRingClearance(const QWidget& control) {
    const FocusRingBand band = FocusRingOf(control);
    return static_cast<int>(
        std::ceil((band.inset + band.thickness + 1) / control.devicePixelRatioF()));
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
    // Only the band's pixels are visited: the focused text box repaints at every key typed.
    const auto paintRun = [&](int y, int fromX, int toX) {
        const auto* under = reinterpret_cast<const QRgb*>(look.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(ring.scanLine(y));
        for (int x = std::max(fromX, 0); x <= std::min(toX, width - 1); ++x) {
            const QRgb colour = qUnpremultiply(under[x]);
            const bool black =
                layout::BlackStandsOutOver(qRed(colour), qGreen(colour), qBlue(colour));
            out[x] = black ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    };
    const int left = band.inset;
    const int right = width - 1 - band.inset;
    for (int y = 0; y < height; ++y) {
        const int depthY = std::min(y, height - 1 - y) - band.inset;
        if (depthY < 0) continue;
        if (depthY < band.thickness) {
            paintRun(y, left, right);
        } else if (left + band.thickness <= right - band.thickness) {
            paintRun(y, left, left + band.thickness - 1);
            paintRun(y, right - band.thickness + 1, right);
        } else {
            paintRun(y, left, right);
        }
    }
    QPainter painter(&control);
    painter.drawImage(QPointF(0, 0), ring);
}

}  // namespace aerlith::ui
