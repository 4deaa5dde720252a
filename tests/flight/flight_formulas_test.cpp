#include "flight/flight_formulas.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace aerlith {
namespace {

// Expected lines from tests/keypad/formulas_reference.py.
const std::string kRefusal = "Oops. - Error (out of Range, division by zero or typo.)  ";

struct CompletionRow {
    const char* name;
    char modeLetter;
    ValueBoxTexts boxes;
    std::string expected;
};

void PrintTo(const CompletionRow& row, std::ostream* out) { *out << row.name; }

class CompletionTest : public testing::TestWithParam<CompletionRow> {};

TEST_P(CompletionTest, WritesResultLine) {
    const auto& row = GetParam();
    ValueBoxTexts boxes = row.boxes;
    FlightMembers members;
    EXPECT_EQ(CompleteFlightFunction(row.modeLetter, boxes, members), row.expected);
}

CompletionRow Row(const char* name, char letter, ValueBoxTexts boxes, std::string expected) {
    return CompletionRow{name, letter, std::move(boxes), std::move(expected)};
}

INSTANTIATE_TEST_SUITE_P(
    PressureAltitude, CompletionTest,
    testing::Values(
        Row("BelowStandard", 'e', {"29.42"}, "The Pressure Altitude is 500 feet."),
        Row("AboveStandard", 'e', {"30.12"}, "The Pressure Altitude is -200 feet."),
        Row("Standard", 'e', {"29.92"}, "The Pressure Altitude is 0 feet."),
        Row("RefusedReadsAsThousandth", 'e', {"41"}, "The Pressure Altitude is 29919 feet."),
        Row("BeyondThirtyTwoBits", 'e', {"-5000000"}, "The Pressure Altitude is 5000029920 feet."),
        Row("Overflow", 'e', {"-1E306"}, kRefusal)),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TrueAirspeed, CompletionTest,
    testing::Values(Row("FiveThousandFeet", 'a', {"5000", "100"}, "The True Airspeed is 110"),
                    Row("Unrounded", 'a', {"6500", "120"}, "The True Airspeed is 135.6"),
                    Row("AltitudeHalfDown", 'a', {"1234.5", "150"}, "The True Airspeed is 153.702"),
                    Row("AltitudeHalfUp", 'a', {"1235.5", "150"}, "The True Airspeed is 153.708"),
                    Row("AltitudeBeyondThirtyTwoBits", 'a', {"-1E12", "100"}, kRefusal),
                    Row("Overflow", 'a', {"-2000000000", "-1E307"}, kRefusal),
                    Row("RefusedAltitude", 'a', {"", "100"}, "The True Airspeed is 100")),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DensityAltitude, CompletionTest,
    testing::Values(
        Row("Freezing", 's', {"0", "25"}, "The Density Altitude is 4315"),
        Row("Standard", 's', {"15", "29.92"}, "The Density Altitude is 0"),
        Row("Hot", 's', {"30", "28.5"}, "The Density Altitude is 3463"),
        Row("FactorInSingle", 's', {"-40", "25.33"}, "The Density Altitude is -1756"),
        Row("TemperatureInSingle", 's', {"-38.88", "26.62"}, "The Density Altitude is -3622"),
        Row("NearAbsoluteZero", 's', {"-273.15", "50"}, "The Density Altitude is 148300"),
        Row("TemperatureBeyondSingle", 's', {"-1E39", "25"}, kRefusal),
        Row("TemperatureRoundsToInfinity", 's', {"-3.4028235677973366E38", "25"}, kRefusal)),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dewpoint, CompletionTest,
    testing::Values(Row("Warm", 'o', {"20", "50"}, "The Dewpoint is 9.3"),
                    Row("Saturated", 'o', {"15", "100"}, "The Dewpoint is 15.0"),
                    Row("BelowFreezing", 'o', {"-5", "80"}, "The Dewpoint is -7.9"),
                    Row("Dry", 'o', {"25", "33"}, "The Dewpoint is 7.6"),
                    Row("ZeroHumidity", 'o', {"0", "0"}, kRefusal),
                    Row("NegativeHumidity", 'o', {"10", "-5"}, kRefusal),
                    Row("FactorRoundsToOne", 'o', {"-1E10", "100"}, kRefusal),
                    Row("RefusedHumidity", 'o', {"10", ""}, "The Dewpoint is -91.4")),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Crosswind, CompletionTest,
    testing::Values(
        Row("ThirtyDegrees", 'w', {"20", "30"},
            " Crosswind component is 10 Headwind component is 17"),
        Row("Square", 'w', {"15", "90"}, " Crosswind component is 15 Headwind component is 0"),
        Row("FortyFive", 'w', {"25", "45"}, " Crosswind component is 18 Headwind component is 18"),
        Row("Huge", 'w', {"-1E308", "30"},
            " Crosswind component is -5E+307 Headwind component is "
            "-8.66025403784439E+307")),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    WindFinding, CompletionTest,
    testing::Values(
        Row("Headwind", '-', {"90", "100", "90", "90"}, "Wind is 90 at 10"),
        Row("Tailwind", '-', {"90", "100", "90", "110"}, "Wind is 270 at 10"),
        Row("AcrossNorth", '-', {"360", "100", "10", "100"}, "Wind is 95 at 17"),
        Row("Calm", '-', {"90", "100", "90", "100"}, kRefusal),
        Row("Quartering", '-', {"45", "120", "40", "105"}, "Wind is 9 at 18"),
        Row("HalfRoundsToCalm", '-', {"90", "100", "90", "99.5"}, kRefusal),
        Row("OneAndAHalfRoundsToTwo", '-', {"90", "100", "90", "98.5"}, "Wind is 90 at 2"),
        Row("SquareOverflows", '-', {"90", "100", "90", "-1E200"}, kRefusal),
        Row("FromNorthAsZero", '-', {"0", "100", "0", "90"}, "Wind is 0 at 10"),
        Row("FromNorthAsFullTurn", '-', {"360", "100", "360", "90"}, "Wind is 360 at 10"),
        Row("WrapsBelowZero", '-', {"1", "100", "0", "90"}, "Wind is 351 at 10")),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HeadingAndGroundSpeed, CompletionTest,
    testing::Values(Row("WindFromLeft", 'd', {"90", "100", "360", "20"}, " Heading is 78 at 98"),
                    Row("Headwind", 'd', {"90", "100", "90", "20"}, " Heading is 90 at 80"),
                    Row("HeadwindAboveAirspeed", 'd', {"90", "100", "90", "150"}, kRefusal),
                    Row("CrossAboveAirspeed", 'd', {"90", "100", "180", "150"}, kRefusal),
                    Row("ZeroAirspeed", 'd', {"90", "0", "360", "20"}, kRefusal),
                    Row("CrossEqualsAirspeed", 'd', {"90", "100", "180", "100"}, kRefusal),
                    Row("WestCourse", 'd', {"270", "120", "300", "30"}, " Heading is 277 at 93"),
                    Row("WindFromRight", 'd', {"10", "100", "90", "30"}, " Heading is 27 at 90")),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(CompleteFlightFunction, OtherLettersAreNotFlightFunctions) {
    ValueBoxTexts boxes{"1", "2", "3", "4"};
    FlightMembers members;
    for (char letter : {'p', 'y', 'u', 'E', '\0'}) {
        EXPECT_EQ(CompleteFlightFunction(letter, boxes, members), std::nullopt) << letter;
    }
    EXPECT_EQ(boxes, (ValueBoxTexts{"1", "2", "3", "4"}));
}

// Members a failed step would have set keep their values; the others follow their steps.

TEST(FlightMembers, RefusedBoxShowsRangeAndPressingAgainGivesTheSameLine) {
    ValueBoxTexts boxes{"41"};
    FlightMembers members;
    const std::string line = "The Pressure Altitude is 29919 feet.";
    EXPECT_EQ(CompletePressureAltitude(boxes, members), line);
    EXPECT_EQ(boxes[0], "Error - Input Range is 0 to 40");
    EXPECT_EQ(CompletePressureAltitude(boxes, members), line);
    EXPECT_EQ(boxes[0], "Error - Input Range is 0 to 40");
}

TEST(FlightMembers, TemperatureBeyondSingleKeepsThePreviousTemperature) {
    // The second text is the midpoint between the largest single and 2^128.
    for (const char* celsius : {"-1E39", "-3.4028235677973366E38"}) {
        ValueBoxTexts boxes{celsius, "25"};
        FlightMembers members;
        members.temperature = 12.5F;
        EXPECT_EQ(CompleteDensityAltitude(boxes, members), kRefusal) << celsius;
        EXPECT_EQ(members.temperature, 12.5F) << celsius;
        EXPECT_EQ(members.lastValue, 25.0) << celsius;
    }
}

TEST(FlightMembers, WindFindingSetsCourseAirspeedHeadingAndWind) {
    ValueBoxTexts boxes{"90", "100", "45", "90"};
    FlightMembers members;
    CompleteWindFinding(boxes, members);
    EXPECT_DOUBLE_EQ(members.courseRad, 1.570796326794895);
    EXPECT_EQ(members.trueAirspeed, 100.0);
    EXPECT_DOUBLE_EQ(members.headingRad, 0.7853981633974475);
    // sqrt(10^2 + 4 * 100 * 90 * (sin(-45 deg) / 2)^2) = sqrt(100 + 36000 / 8) = sqrt(4600)
    EXPECT_NEAR(members.windSpeed, 67.82329983125268, 1e-9);
}

TEST(FlightMembers, OverflowingWindSpeedKeepsThePreviousWindSpeed) {
    ValueBoxTexts boxes{"90", "100", "90", "-1E200"};
    FlightMembers members;
    members.windSpeed = 42;
    EXPECT_EQ(CompleteWindFinding(boxes, members), kRefusal);
    EXPECT_EQ(members.windSpeed, 42.0);
    EXPECT_DOUBLE_EQ(members.headingRad, 1.570796326794895);
}

TEST(FlightMembers, CrossComponentAboveAirspeedKeepsThePreviousHeading) {
    ValueBoxTexts boxes{"90", "100", "180", "150"};
    FlightMembers members;
    members.headingRad = 1.25;
    EXPECT_EQ(CompleteHeadingAndGroundSpeed(boxes, members), kRefusal);
    EXPECT_EQ(members.headingRad, 1.25);
    EXPECT_EQ(members.trueAirspeed, 100.0);
}

TEST(FlightMembers, ZeroAirspeedLeavesTheCorrectionAtZero) {
    ValueBoxTexts boxes{"90", "0", "360", "20"};
    FlightMembers members;
    members.headingRad = 1.25;
    EXPECT_EQ(CompleteHeadingAndGroundSpeed(boxes, members), kRefusal);
    EXPECT_EQ(members.headingRad, members.courseRad);
}

TEST(FlightMembers, CrossEqualToAirspeedTurnsTheHeadingAQuarter) {
    ValueBoxTexts boxes{"90", "100", "180", "100"};
    FlightMembers members;
    CompleteHeadingAndGroundSpeed(boxes, members);
    EXPECT_DOUBLE_EQ(members.headingRad, 3.14159265358979);
}

}  // namespace
}  // namespace aerlith
