#include "layout/window_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace aerlith::layout {
namespace {

struct FactorRow {
    const char* name;
    const char* form;
    const char* setting;
    double widthAndLeft;  // product of both factors
    double heightAndTop;
};

// Factors worked by hand: 1.28 x 1.1 = 1.408 and 1.33 x 0.8 = 1.064 for the main window;
// 1.28 x 1.1 x 0.8 = 1.1264 with 0.9 across for the box; the base 1.28 and 1.33 otherwise.
TEST(ScaleFactors, PerWindowAdjustment) {
    const FactorRow rows[] = {
        {"main window", "calcs", "OFF", 1.498112, 1.408},
        {"message box", "cibox", "OFF", 1.01376, 1.1264},
        {"thank-you window", "endbox", "OFF", 1.7024, 1.28},
        {"main window without adjustment", "calcs", "ON", 1.7024, 1.28},
        {"box without adjustment", "cibox", "", 1.408 * 1.33, 1.408},
        {"name compared exactly", "Calcs", "OFF", 1.7024, 1.28},
    };
    for (const FactorRow& row : rows) {
        const ScaleFactors factors = ScaleFactorsFor(row.form, row.setting);
        const double across = static_cast<double>(factors.sizeFactor) * factors.widthFactor;
        // Single-precision factors: agreement to six significant digits.
        EXPECT_NEAR(across, row.widthAndLeft, 1e-6) << row.name;
        EXPECT_NEAR(factors.sizeFactor, row.heightAndTop, 1e-6) << row.name;
    }
}

TEST(ScaleFactors, ALabelOnTheMainWindow) {
    const ScaleFactors factors = ScaleFactorsFor("calcs", "OFF");
    const float left = ScaleTwips(ScaleTwips(200, factors.sizeFactor), factors.widthFactor);
    const float width = ScaleTwips(ScaleTwips(1000, factors.sizeFactor), factors.widthFactor);
    // 200 x 1.498112 and 1000 x 1.498112, within single precision.
    EXPECT_NEAR(left, 299.6224, 1e-3);
    EXPECT_NEAR(width, 1498.112, 1e-3);
}

TEST(CentreOffset, RoundsHalvesToEvenThenDropsTheRemainder) {
    struct Row {
        const char* name;
        std::int32_t available;
        double size;
        std::int32_t expected;
    } rows[] = {
        {"even split", 12000, 10000, 1000},
        {"odd difference drops the half", 12000, 10001, 999},
        {"size half rounds to even (down)", 12000, 10000.5, 1000},
        {"size half rounds to even (up)", 12000, 10001.5, 999},
        {"window larger than the screen", 1000, 3001, -1000},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CentreOffset(row.available, row.size), row.expected) << row.name;
}

TEST(WorkAreaTwips, ZeroFallsBack) {
    EXPECT_EQ(WorkAreaTwips(1920, 15.0, 12000), 28800);
    EXPECT_EQ(WorkAreaTwips(0, 15.0, 12000), 12000);
    EXPECT_EQ(WorkAreaTwips(0, 15.0, 8550), 8550);
    // 1441 pixels at 1.5 twips per pixel is 2161.5, a half that goes to the even neighbour.
    EXPECT_EQ(WorkAreaTwips(1441, 1.5, 12000), 2162);
    EXPECT_EQ(WorkAreaTwips(1443, 1.5, 12000), 2164);
}

TEST(SplitColor, ComponentsAndNegativeColours) {
    struct Row {
        const char* name;
        std::int64_t color;
        ColorParts expected;
    } rows[] = {
        {"background blue", Rgb(6, 109, 152), {6, 109, 152}},
        {"white", Rgb(255, 255, 255), {255, 255, 255}},
        {"black", 0, {0, 0, 0}},
        {"negative gives black", -1, {0, 0, 0}},
        {"negative with parts gives black", -Rgb(10, 20, 30), {0, 0, 0}},
    };
    for (const Row& row : rows) {
        const ColorParts parts = SplitColor(row.color);
        EXPECT_EQ(parts.red, row.expected.red) << row.name;
        EXPECT_EQ(parts.green, row.expected.green) << row.name;
        EXPECT_EQ(parts.blue, row.expected.blue) << row.name;
    }
}

TEST(BackgroundStrokeCount, CoversTheAreaAndOverflowsToNothing) {
    // sqrt(2) x sqrt(3^2 + 4^2) = 7.07..., so 7 strokes.
    EXPECT_EQ(BackgroundStrokeCount(3, 4), 7);
    // The main window's inner area: sqrt(2 x 278065800) = 23582.44.
    EXPECT_EQ(BackgroundStrokeCount(15570, 5970), 23582);
    // 50000^2 + 50000^2 does not fit 32 bits.
    EXPECT_EQ(BackgroundStrokeCount(50000, 50000), 0);
}

TEST(ControlArrayCode, DigitsChooseKindFamilyAndLast) {
    struct Row {
        std::int32_t code;
        int kind;
        int family;
        std::int32_t last;
    } rows[] = {{1119, 1, 1, 19}, {1217, 1, 2, 17}, {138, 1, 3, 8}, {227, 2, 2, 7},
                {313, 3, 1, 3},   {111, 1, 1, 1},   {211, 2, 1, 1}, {41, 4, 1, 0}};
    for (const Row& row : rows) {
        const auto parsed = ParseControlArrayCode(row.code);
        ASSERT_TRUE(parsed.has_value()) << row.code;
        EXPECT_EQ(parsed->kind, row.kind) << row.code;
        EXPECT_EQ(parsed->family, row.family) << row.code;
        EXPECT_EQ(parsed->last, row.last) << row.code;
    }
    EXPECT_FALSE(ParseControlArrayCode(7).has_value());
    EXPECT_FALSE(ParseControlArrayCode(-5).has_value());
}

TEST(GridPosition, ThirtyTwoBitResultOrFailure) {
    EXPECT_EQ(GridPosition(0, 480, -300), 180);
    EXPECT_EQ(GridPosition(4, 480, -300), 2100);
    EXPECT_FALSE(GridPosition(std::numeric_limits<std::int32_t>::max(), 2, 0).has_value());
}

TEST(ButtonScheme, ByTheSetting) {
    EXPECT_EQ(ButtonSchemeFor("0"), ButtonScheme::BankColour);
    EXPECT_EQ(ButtonSchemeFor(""), ButtonScheme::BankColour);
    EXPECT_EQ(ButtonSchemeFor("18.9"), ButtonScheme::BankColour);
    EXPECT_EQ(ButtonSchemeFor("20"), ButtonScheme::Grey);
    EXPECT_EQ(ButtonSchemeFor("19"), ButtonScheme::White);
    EXPECT_EQ(ButtonSchemeFor("19.0"), ButtonScheme::Unchanged);
    EXPECT_EQ(ButtonSchemeFor("21"), ButtonScheme::Unchanged);
}

}  // namespace
}  // namespace aerlith::layout
