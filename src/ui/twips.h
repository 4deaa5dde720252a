#pragma once
// Twips (1/1440 inch) to pixels through the screen's logical dots per inch.

#include <QRect>

#include "ui/control.h"

namespace aerlith::ui {

/// Twips per pixel across and down: 1440 divided by the primary screen's logical dots per inch
/// (15 at 96 dpi); 15 when no screen is known.
double TwipsPerPixelX();
double TwipsPerPixelY();

/// Pixel rectangle of a twips rectangle, each edge rounded to the nearest pixel.
QRect TwipsToPixels(const TwipsRect& twips);

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

}  // namespace aerlith::ui
