#pragma once
// The arithmetic behind window building, kept apart from Qt: scale factors, centring, colour
// components, the background stroke count and the control-array codes.

#include <cstdint>
#include <optional>
#include <string_view>

namespace aerlith::layout {

/// The two factors of one scaling pass, held in single precision as the pass stores them.
struct ScaleFactors {
    float sizeFactor;   ///< height, top and font size are multiplied by this
    float widthFactor;  ///< width and left are multiplied by sizeFactor, then by this
};

/// The windows the scaling pass tells apart.
enum class WindowKind {
    Main,        ///< the calculator's own window
    MessageBox,  ///< the message and choice box
    Other,       ///< any other window (the thank-you window)
};

/// Factors of the scaling pass for a window of kind `window`; `perWindowAdjustment` enables the
/// extra adjustment of the main window and the message box.
ScaleFactors ScaleFactorsFor(WindowKind window, bool perWindowAdjustment);

/// A twips value multiplied by a single factor and stored in single precision.
float ScaleTwips(double twips, float factor);

/// Offset that centres an extent of `size` twips in `available` twips: the size rounded with
/// halves to even, subtracted, then halved with the remainder dropped (toward zero).
std::int32_t CentreOffset(std::int32_t available, double size);

/// Work-area extent in twips from pixels: rounded with halves to even; 0 becomes `fallback`.
std::int32_t WorkAreaTwips(int pixels, double twipsPerPixel, std::int32_t fallback);

/// Red, green and blue of a colour value red + 256 x green + 65536 x blue; a negative colour
/// gives black (remainders take the sign of the colour, then negatives become 0).
struct ColorParts {
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;
};
ColorParts SplitColor(std::int64_t color);

/// A colour value from its components.
constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

/// True when black stands out from the sRGB colour (components 0 to 255) at least as well as
/// white does: the colour's relative luminance (the WCAG formula) is 0.179 or more, where the
/// two contrast ratios meet at 4.58:1. Whichever of the two is chosen so contrasts with the
/// colour by 4.58:1 or more.
bool BlackStandsOutOver(int red, int green, int blue);

/// Number of 45-degree strokes that paint an inner area of w x h twips: sqrt(2) x sqrt(w*w+h*h)
/// rounded with halves to even, with w*w+h*h formed in 32-bit integers; 0 when that overflows.
std::int32_t BackgroundStrokeCount(std::int32_t width, std::int32_t height);

/// The array chosen by a LoadControlArray code and the last index it asks for.
struct ControlArrayCode {
    int kind;           ///< first digit
    int family;         ///< second digit
    std::int32_t last;  ///< the remaining digits (0 when there are none)
};
/// Splits a positive code into its digits; nullopt for codes below 10.
std::optional<ControlArrayCode> ParseControlArrayCode(std::int32_t code);

/// result := (n + 1) x step + offset in 32-bit integers; nullopt on overflow.
std::optional<std::int32_t> GridPosition(std::int32_t n, std::int32_t step, std::int32_t offset);

/// What the button colour scheme setting asks of PaintButton.
enum class ButtonScheme { Grey, White, BankColour, Unchanged };
ButtonScheme ButtonSchemeFor(std::string_view setting);

}  // namespace aerlith::layout
