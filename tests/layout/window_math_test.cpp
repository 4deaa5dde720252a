#include "layout/window_math.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>

namespace aerlith::layout {
namespace {

// Factors worked by hand: 1.28 x 1.1 x 0.8 = 1.1264 with 0.9 across for the box; the base 1.28
// and 1.33 otherwise. The main window's 1.408 and 1.064: the scenario startup.
TEST(ScaleFactors, PerWindowAdjustment) {
    // Name, window, adjustment on, the product of both factors (width and left), the size factor
    // (height, top and font size).
    const std::tuple<const char*, WindowKind, bool, double, double> rows[] = {
        {"message box", WindowKind::MessageBox, true, 1.1264 * 0.9, 1.1264},
        {"thank-you window", WindowKind::Other, true, 1.28 * 1.33, 1.28},
        {"main window without adjustment", WindowKind::Main, false, 1.28 * 1.33, 1.28},
        {"box without adjustment", WindowKind::MessageBox, false, 1.408 * 1.33, 1.408},
    };
    for (const auto& [name, window, adjustment, across, size] : rows) {
        const ScaleFactors factors = ScaleFactorsFor(window, adjustment);
        // Single-precision factors: agreement to six significant digits.
        EXPECT_NEAR(ScaleTwips(ScaleTwips(1000, factors.sizeFactor), factors.widthFactor),
                    1000 * across, 1e-3)
            << name;
        EXPECT_NEAR(factors.sizeFactor, size, 1e-6) << name;
    }
}

TEST(WindowMath, Centring) {
    EXPECT_EQ(CentreOffset(12000, 10001), 999) << "the half is dropped";
    EXPECT_EQ(CentreOffset(12000, 10000.5), 1000) << "size half rounds to even (down)";
    EXPECT_EQ(CentreOffset(12000, 10001.5), 999) << "size half rounds to even (up)";
    EXPECT_EQ(CentreOffset(1000, 3001), -1000) << "window larger than the screen";
    EXPECT_EQ(WorkAreaTwips(1920, 15.0, 12000), 28800);
    EXPECT_EQ(WorkAreaTwips(0, 15.0, 12000), 12000);
    // 1441 pixels at 1.5 twips per pixel is 2161.5, a half that goes to the even neighbour.
    EXPECT_EQ(WorkAreaTwips(1441, 1.5, 12000), 2162);
    EXPECT_EQ(WorkAreaTwips(1443, 1.5, 12000), 2164);
}

TEST(WindowMath, ColoursStrokesAndCodes) {
    using Parts = std::array<std::int32_t, 3>;
    const auto parts = [](std::int64_t color) {
        const ColorParts p = SplitColor(color);
        return Parts{p.red, p.green, p.blue};
    };
    EXPECT_EQ(parts(Rgb(6, 109, 152)), (Parts{6, 109, 152}));
    EXPECT_EQ(parts(Rgb(0, 0, 255)), (Parts{0, 0, 255}));
    EXPECT_EQ(parts(-Rgb(10, 20, 30)), (Parts{0, 0, 0})) << "a negative colour is black";
    // sqrt(2) x sqrt(3^2 + 4^2) = 7.07..., and for the main window's inner area
    // sqrt(2 x 278065800) = 23582.44; 50000^2 + 50000^2 does not fit 32 bits.
    EXPECT_EQ(BackgroundStrokeCount(3, 4), 7);
    EXPECT_EQ(BackgroundStrokeCount(15570, 5970), 23582);
    EXPECT_EQ(BackgroundStrokeCount(50000, 50000), 0);
    const auto code = [](std::int32_t value) {
        const auto parsed = ParseControlArrayCode(value);
        return parsed ? Parts{parsed->kind, parsed->family, parsed->last} : Parts{-1, -1, -1};
    };
    EXPECT_EQ(code(1119), (Parts{1, 1, 19}));
    EXPECT_EQ(code(41), (Parts{4, 1, 0}));
    EXPECT_EQ(code(10), (Parts{1, 0, 0}));
    EXPECT_EQ(code(9), (Parts{-1, -1, -1}));
    EXPECT_EQ(GridPosition(0, 480, -300), 180);
    EXPECT_EQ(GridPosition(4, 480, -300), 2100);
    EXPECT_EQ(GridPosition(std::numeric_limits<std::int32_t>::max(), 2, 0), std::nullopt);
}

TEST(WindowMath, ButtonSchemeBySetting) {
    EXPECT_EQ(ButtonSchemeFor("18.9"), ButtonScheme::BankColour);
    EXPECT_EQ(ButtonSchemeFor("19"), ButtonScheme::White);
    EXPECT_EQ(ButtonSchemeFor("19.0"), ButtonScheme::Unchanged);
    EXPECT_EQ(ButtonSchemeFor("20"), ButtonScheme::Grey);
    EXPECT_EQ(ButtonSchemeFor("21"), ButtonScheme::Unchanged);
}

}  // namespace
}  // namespace aerlith::layout
