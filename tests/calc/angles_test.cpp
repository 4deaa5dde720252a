#include "calc/angles.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <tuple>

namespace aerlith {
namespace {

// Expected values from tests/flight/formulas_reference.py, and by hand for ArcCosine and
// IntoCompassRange. Doubles compare within 4 ulps (EXPECT_DOUBLE_EQ): atan may differ in the last
// bit between math libraries. Singles compare exactly: the rounding to single absorbs that.
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::optional<double> Normalize(double angle) { return NormalizeAngle(angle); }
std::optional<double> Compass(double degrees) { return IntoCompassRange(degrees); }

TEST(Angles, OfOneArgument) {
    // Name, function, argument, result (nullopt: fails). acos(1/2) = pi/3 and acos(0) = pi/2 with
    // the true pi; the ends of the cosine give 0 and the program's pi.
    const double turn = 6.28318530717958;
    const std::tuple<const char*, std::optional<double> (*)(double), double, std::optional<double>>
        rows[] = {
            {"sine of a half", ArcSine, 0.5, 0.5235987755982989},
            {"sine of one", ArcSine, 1.0, 1.570796326794895},
            {"sine of minus one", ArcSine, -1.0, -1.570796326794895},
            {"sine just beyond one", ArcSine, 1.0000001, std::nullopt},
            {"sine of not a number", ArcSine, kNaN, std::nullopt},
            {"cosine of one", ArcCosine, 1.0, 0.0},
            {"cosine of a half", ArcCosine, 0.5, 1.0471975511965976},
            {"cosine of zero", ArcCosine, 0.0, 1.5707963267948966},
            {"cosine of minus one", ArcCosine, -1.0, kPiPrime},
            {"cosine just past minus one by rounding", ArcCosine, -1.0000000000000033, kPiPrime},
            {"cosine of not a number", ArcCosine, kNaN, std::nullopt},
            {"negative angle gets a turn", Normalize, -0.5, 5.78318530717958},
            {"zero angle stays", Normalize, 0.0, 0.0},
            {"a full turn stays", Normalize, turn, turn},
            {"above a turn loses one", Normalize, 7.0, 0.71681469282042},
            {"only one turn added", Normalize, -7.0, -0.71681469282042},
            {"compass above 360", Compass, 373, 13},
            {"compass below 0", Compass, -5, 355},
            {"north is 360", Compass, 0, 360},
            {"full circle", Compass, 360, 360},
        };
    for (const auto& [name, function, x, expected] : rows) {
        const std::optional<double> result = function(x);
        ASSERT_EQ(result.has_value(), expected.has_value()) << name;
        if (expected) {
            EXPECT_DOUBLE_EQ(*result, *expected) << name;
        }
    }
}

TEST(Angles, VectorAngle) {
    const std::tuple<const char*, double, double, std::optional<float>> rows[] = {
        {"first quadrant", 1, 1, 0.7853981852531433F},
        {"second quadrant", 1, -1, 2.356194496154785F},
        {"third quadrant", -3, -4, -2.498091459274292F},
        {"negative x axis is pi as a single", 0, -10, 3.1415927410125732F},
        {"positive y axis", 5, 0, 1.5707963705062866F},
        {"negative y axis", -5, 0, -1.5707963705062866F},
        {"origin", 0, 0, 0.0F},
        {"infinite", 1, -std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& [name, y, x, expected] : rows) EXPECT_EQ(VectorAngle(y, x), expected) << name;
}

}  // namespace
}  // namespace aerlith
