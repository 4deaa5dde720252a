#pragma once
// The shared window-building module: the work area, the scaling pass that enlarges every window
// and its controls, centring, control-array members, the standard look, shadowed captions,
// painted backgrounds, button colours and shadows. Each operation is given the window it works
// on; one copy of the work area and the last pass's factors serves the whole run.

#include <QPalette>
#include <QString>
#include <cstdint>

#include "ui/form.h"

namespace aerlith::ui {
class Control;
class CaptionLabel;
class CheckButton;
}  // namespace aerlith::ui

namespace aerlith::ui::calcmodd {

/// The work area in twips until measured, and for a dimension measured as 0.
inline constexpr std::int32_t kFallbackScreenWidth = 12000;
inline constexpr std::int32_t kFallbackScreenHeight = 8550;

/// What one pass leaves for the next, whatever window each works on: the work area, and the
/// factors of the most recent scaling pass (0 before the first). A shadow caption is offset by
/// SizeFactor, and the message box's long layout divides by WidthFactor before its own pass.
struct ModuleState {
    std::int32_t ScreenWidth = kFallbackScreenWidth;
    std::int32_t ScreenHeight = kFallbackScreenHeight;
    float SizeFactor = 0;
    float WidthFactor = 0;
};
ModuleState& State();

/// LoadControlArray codes: the first digit is the kind of control, the second the array of that
/// kind, the remaining digits the last member index wanted.
inline constexpr std::int32_t kLoadKeypadKeys = 1119;         ///< buttonplus1 up to member 19
inline constexpr std::int32_t kLoadConversionButtons = 1217;  ///< buttonplus2 up to member 17
inline constexpr std::int32_t kLoadFunctionButtons = 138;     ///< buttonplus3 up to member 8
inline constexpr std::int32_t kLoadFieldNames = 227;  ///< label2 up to 7: field names, shadows
inline constexpr std::int32_t kLoadValueBoxes = 313;  ///< Text1 up to member 3
inline constexpr std::int32_t kLoadSkipButton = 111;  ///< buttonplus1 up to 1: the box's "Skip"
inline constexpr std::int32_t kLoadTextShadow = 211;  ///< Label1 up to 1: the text's shadow

/// Measures the work area of the primary screen into ScreenWidth and ScreenHeight (twips);
/// a dimension that comes out 0 (or no screen) gets its fallback.
void MeasureWorkArea();

/// Enlarges `form` and its controls by the factors for its kind, then centres it.
void ScaleForm(Form& form);
/// Centres `form` on the work area.
void CenterForm(Form& form);
/// Adds members to a control array of `form`, chosen by the code's first two digits, until it
/// has (remaining digits) + 1 members; an array already that large still gets one more.
void LoadControlArray(Form& form, std::int32_t code);
/// Standard size, font, colours and border of `form` and the look of its controls.
void ApplyStandardLook(Form& form);
/// The caption-label look: 7 points, the standard font, light text, transparent, left-aligned.
void StyleCaptionLabel(CaptionLabel& label);
/// A caption drawn twice: `front` in light text, `back` in black offset by 7 x 5 SizeFactor.
void ShowShadowCaption(CaptionLabel* front, CaptionLabel* back, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, const QString& text);
/// Paints the inner area of `form` in `color` with 45-degree strokes from the top-right corner.
void PaintBackground(Form& form, std::int64_t color);

/// Colours `button` by the button colour scheme: the bank colour `color` at the start setting.
void PaintButton(CheckButton& button, std::int32_t color);
/// Draws on `form` a black band `thickness` x 20 twips wide behind the right and bottom edges of
/// its enabled `control`.
void DrawButtonShadow(Form& form, Control& control, std::int32_t thickness);
/// SetCaptionPair families.
inline constexpr std::int32_t kLabel1Family = 1;
inline constexpr std::int32_t kLabel2Family = 2;
/// Captions members `first` and `second` of Label1 (family 1) or label2 (family 2) of `form`;
/// any other family does nothing.
void SetCaptionPair(Form& form, std::int32_t family, std::int32_t first, std::int32_t second,
                    const QString& text);

/// Gives `control` `color` for `role` (all colour groups), keeping the rest of its palette.
void SetColour(Control& control, QPalette::ColorRole role, const QColor& color);

/// The standard font's family (settings entry 5).
QString StandardFontName();
/// A QColor from a colour value red + 256 x green + 65536 x blue.
QColor ColorOf(std::int64_t color);

}  // namespace aerlith::ui::calcmodd
