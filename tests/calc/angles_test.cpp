#include "calc/angles.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace aerlith {
namespace {

// Expected values from tests/keypad/formulas_reference.py. Doubles compare within 4 ulps
// (EXPECT_DOUBLE_EQ): atan may differ in the last bit between math libraries. Singles compare
// exactly: the rounding to single absorbs such differences.

struct ArcSineRow {
    const char* name;
    double r;
    std::optional<double> expected;
};

void PrintTo(const ArcSineRow& row, std::ostream* out) { *out << row.name; }

class ArcSineTest : public testing::TestWithParam<ArcSineRow> {};

TEST_P(ArcSineTest, MatchesReference) {
    const auto& row = GetParam();
    const auto result = ArcSine(row.r);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (row.expected) {
        EXPECT_DOUBLE_EQ(*result, *row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ArcSineTest,
                         testing::Values(ArcSineRow{"Zero", 0.0, 0.0},
                                         ArcSineRow{"Half", 0.5, 0.5235987755982989},
                                         ArcSineRow{"MinusHalf", -0.5, -0.5235987755982989},
                                         ArcSineRow{"One", 1.0, 1.570796326794895},
                                         ArcSineRow{"MinusOne", -1.0, -1.570796326794895},
                                         ArcSineRow{"JustBeyondOne", 1.0000001, std::nullopt},
                                         ArcSineRow{"MinusTwo", -2.0, std::nullopt},
                                         ArcSineRow{"NotANumber",
                                                    std::numeric_limits<double>::quiet_NaN(),
                                                    std::nullopt}),
                         [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct VectorAngleRow {
    const char* name;
    double y;
    double x;
    std::optional<float> expected;
};

void PrintTo(const VectorAngleRow& row, std::ostream* out) { *out << row.name; }

class VectorAngleTest : public testing::TestWithParam<VectorAngleRow> {};

TEST_P(VectorAngleTest, MatchesReference) {
    const auto& row = GetParam();
    const auto result = VectorAngle(row.y, row.x);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (row.expected) {
        EXPECT_EQ(*result, *row.expected);
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, VectorAngleTest,
    testing::Values(VectorAngleRow{"NegativeXAxisIsSinglePi", 0, -10, 3.1415927410125732F},
                    VectorAngleRow{"PositiveYAxis", 5, 0, 1.5707963705062866F},
                    VectorAngleRow{"NegativeYAxis", -5, 0, -1.5707963705062866F},
                    VectorAngleRow{"Origin", 0, 0, 0.0F},
                    VectorAngleRow{"FirstQuadrant", 1, 1, 0.7853981852531433F},
                    VectorAngleRow{"SecondQuadrant", 1, -1, 2.356194496154785F},
                    VectorAngleRow{"ThirdQuadrant", -3, -4, -2.498091459274292F},
                    VectorAngleRow{"InfiniteY", kInfinity, 1, std::nullopt},
                    VectorAngleRow{"InfiniteX", 1, -kInfinity, std::nullopt}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct NormalizeRow {
    const char* name;
    double angle;
    double expected;
};

void PrintTo(const NormalizeRow& row, std::ostream* out) { *out << row.name; }

class NormalizeAngleTest : public testing::TestWithParam<NormalizeRow> {};

TEST_P(NormalizeAngleTest, MatchesReference) {
    EXPECT_DOUBLE_EQ(NormalizeAngle(GetParam().angle), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NormalizeAngleTest,
                         testing::Values(NormalizeRow{"NegativeGetsATurn", -0.5, 5.78318530717958},
                                         NormalizeRow{"FullTurnStays", 6.28318530717958,
                                                      6.28318530717958},
                                         NormalizeRow{"AboveATurnLosesOne", 7.0, 0.71681469282042},
                                         NormalizeRow{"OnlyOneTurnAdded", -7.0, -0.71681469282042},
                                         NormalizeRow{"InsideStays", 3.0, 3.0}),
                         [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

}  // namespace
}  // namespace aerlith
