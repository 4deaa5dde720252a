#pragma once
// The keyboard focus made visible: a ring just inside the outline of a button or a text box,
// thick enough to see at any screen scaling, each of its pixels black or white, whichever stands
// out from the pixel it covers. It replaces the style's own focus mark, a one-pixel tint.

#include <functional>

class QPainter;
class QWidget;

namespace aerlith::ui {

/// Where the ring lies, in device pixels. It starts inside the style's outline of one logical
/// pixel (`inset`) and is 2 device pixels per 100 % of screen scaling thick, plus the inset
/// again, so that it changes at least as many pixels as a band 2 x scaling thick along the
/// control's very edge would. The scaling is the device pixel ratio times logical dpi / 96: the
/// same whether Qt scales the window or the screen reports a larger dpi.
struct FocusRingBand {
    int inset;
    int thickness;
};
FocusRingBand FocusRingOf(const QWidget& control);

/// Logical pixels, rounded up, from the control's edge to the first device pixel that is neither
/// part of the ring nor the one pixel of space kept clear inside it.
int FocusRingClearance(const QWidget& control);

/// Paints the ring over `control`; call it at the end of the control's paint event while the
/// control has the focus. `paintUnfocused` draws the control's look without the focus (on a
/// painter whose device has the control's size and pixel ratio); each ring pixel is black or
/// white by the pixel of that look it covers, so it contrasts with it by 4.58:1 or more.
void PaintFocusRing(QWidget& control, const std::function<void(QPainter&)>& paintUnfocused);

}  // namespace aerlith::ui
