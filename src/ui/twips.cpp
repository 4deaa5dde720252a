#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace aerlith::ui {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 0)) return 15.0;
    return kTwipsPerInch / dotsPerInch;
}

int Round(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return 0;
    return static_cast<int>(std::lround(value));
}

}  // namespace

double TwipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : 0.0);
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchY() : 0.0);
}

int TwipsToPixelsX(double twips) { return Round(twips / TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return Round(twips / TwipsPerPixelY()); }

QRect TwipsToPixels(const TwipsRect& twips) {
    // Edges are rounded rather than sizes, so neighbouring controls stay flush.
    const int left = TwipsToPixelsX(twips.left);
    const int top = TwipsToPixelsY(twips.top);
    const int right = TwipsToPixelsX(static_cast<double>(twips.left) + twips.width);
    const int bottom = TwipsToPixelsY(static_cast<double>(twips.top) + twips.height);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

}  // namespace aerlith::ui
