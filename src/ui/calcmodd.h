#pragma once
// The shared window-building module: the work area, the scaling pass that enlarges every window
// and its controls, centring, control-array members, the standard look, shadowed captions,
// painted backgrounds, button colours and shadows. One copy of its state serves the whole run.

#include <QPalette>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "ui/form.h"

namespace aerlith::ui {
class Control;
class CaptionLabel;
class CheckButton;
}  // namespace aerlith::ui

namespace aerlith::ui::calcmodd {

/// The module's state. Factors are 0 before the first scaling pass; the work area is
/// 12000 x 8550 twips until measured.
struct ModuleState {
    QPointer<Form> CurrentForm;
    std::int32_t ScreenWidth = 12000;
    std::int32_t ScreenHeight = 8550;
    float SizeFactor = 0;
    float WidthFactor = 0;
    std::int32_t ColorRed = 0;
    std::int32_t ColorGreen = 0;
    std::int32_t ColorBlue = 0;
};
ModuleState& State();

/// Measures the work area of the primary screen into ScreenWidth and ScreenHeight (twips);
/// a dimension that comes out 0 (or no screen) becomes 12000 or 8550.
void MeasureWorkArea();

/// Enlarges CurrentForm and its controls by the factors for its name, then centres it.
void ScaleForm();
/// Centres `form` on the work area.
void CenterForm(Form& form);
/// Adds members to a control array of CurrentForm, chosen by the code's first two digits, until
/// it has (remaining digits) + 1 members; an array already that large still gets one more.
void LoadControlArray(std::int32_t code);
/// Standard size, font, colours and border of `form` and the look of CurrentForm's controls.
void ApplyStandardLook(Form& form);
/// The caption-label look: 7 points, the standard font, light text, transparent, left-aligned.
void StyleCaptionLabel(CaptionLabel& label);
/// A caption drawn twice: `front` in light text, `back` in black offset by 7 x 5 SizeFactor.
void ShowShadowCaption(CaptionLabel* front, CaptionLabel* back, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, const QString& text);
/// Paints CurrentForm's inner area in `color` with 45-degree strokes from the top-right corner.
void PaintBackground(std::int64_t color);
/// Splits `color` into ColorRed, ColorGreen and ColorBlue.
void SplitColor(std::int64_t color);

/// Colours `button` by the button colour scheme: the bank colour `color` at the start setting.
void PaintButton(CheckButton& button, std::int32_t color);
/// Draws a black band `thickness` x 20 twips wide behind the right and bottom edges of an
/// enabled `control` on CurrentForm.
void DrawButtonShadow(Control& control, std::int32_t thickness);
/// Captions members `first` and `second` of Label1 (family 1) or label2 (family 2) of
/// CurrentForm; any other family does nothing.
void SetCaptionPair(std::int32_t family, std::int32_t first, std::int32_t second,
                    const QString& text);

/// Gives `control` `color` for `role` (all colour groups), keeping the rest of its palette.
void SetColour(Control& control, QPalette::ColorRole role, const QColor& color);

/// The standard font's family (settings entry 5).
QString StandardFontName();
/// A QColor from a colour value red + 256 x green + 65536 x blue.
QColor ColorOf(std::int64_t color);

}  // namespace aerlith::ui::calcmodd
