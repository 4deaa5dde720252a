#include "layout/window_math.h"

#include <cmath>
#include <limits>

#include "calc/number_format.h"
#include "calc/number_reading.h"

namespace aerlith::layout {

ScaleFactors ScaleFactorsFor(WindowKind window, bool perWindowAdjustment) {
    float widthFactor = 1.33f;
    float sizeFactor = 1.28f;
    // Each product is stored in single precision, so the factors are rounded after every step.
    if (window == WindowKind::MessageBox) sizeFactor = static_cast<float>(sizeFactor * 1.1);
    if (perWindowAdjustment && window == WindowKind::Main) {
        sizeFactor = static_cast<float>(sizeFactor * 1.1);
        widthFactor = static_cast<float>(widthFactor * 0.8);
    }
    if (perWindowAdjustment && window == WindowKind::MessageBox) {
        sizeFactor = static_cast<float>(sizeFactor * 0.8);
        widthFactor = 0.9f;
    }
    return {sizeFactor, widthFactor};
}

float ScaleTwips(double twips, float factor) {
    const double product = twips * static_cast<double>(factor);
    if (!std::isfinite(product) || std::fabs(product) > std::numeric_limits<float>::max()) {
        return static_cast<float>(twips);
    }
    return static_cast<float>(product);
}

std::int32_t CentreOffset(std::int32_t available, double size) {
    const auto rounded = ToInt32(size);
    if (!rounded) return 0;
    const std::int64_t difference = static_cast<std::int64_t>(available) - *rounded;
    return static_cast<std::int32_t>(difference / 2);
}

std::int32_t WorkAreaTwips(int pixels, double twipsPerPixel, std::int32_t fallback) {
    const auto twips = ToInt32(pixels * twipsPerPixel);
    if (!twips || *twips == 0) return fallback;
    return *twips;
}

ColorParts SplitColor(std::int64_t color) {
    auto clampPart = [](std::int64_t part) {
        return static_cast<std::int32_t>(part < 0 ? 0 : part);
    };
    return {clampPart(color % 256), clampPart((color % 65536) / 256), clampPart(color / 65536)};
}

bool BlackStandsOutOver(int red, int green, int blue) {
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
    // (L + 0.05) / 0.05 = 1.05 / (L + 0.05) at L = sqrt(1.05 x 0.05) - 0.05.
    return luminance >= std::sqrt(1.05 * 0.05) - 0.05;
}

std::int32_t BackgroundStrokeCount(std::int32_t width, std::int32_t height) {
    const std::int64_t sum =
        static_cast<std::int64_t>(width) * width + static_cast<std::int64_t>(height) * height;
    if (sum > std::numeric_limits<std::int32_t>::max()) return 0;
    const auto count = ToInt32(std::sqrt(2.0) * std::sqrt(static_cast<double>(sum)));
    return count.value_or(0);
}

std::optional<ControlArrayCode> ParseControlArrayCode(std::int32_t code) {
    if (code < 10) return std::nullopt;
    const std::string digits = std::to_string(code);
    ControlArrayCode parsed{digits[0] - '0', digits[1] - '0', 0};
    if (digits.size() > 2) parsed.last = std::stoi(digits.substr(2));
    return parsed;
}

std::optional<std::int32_t> GridPosition(std::int32_t n, std::int32_t step, std::int32_t offset) {
    const std::int64_t result = (static_cast<std::int64_t>(n) + 1) * step + offset;
    if (result < std::numeric_limits<std::int32_t>::min() ||
        result > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(result);
}

ButtonScheme ButtonSchemeFor(std::string_view setting) {
    if (setting == "20") return ButtonScheme::Grey;
    if (setting == "19") return ButtonScheme::White;
    if (ReadLeadingNumber(setting) < 19) return ButtonScheme::BankColour;
    return ButtonScheme::Unchanged;
}

}  // namespace aerlith::layout
