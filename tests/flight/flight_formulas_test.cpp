#include "flight/flight_formulas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace aerlith {
namespace {

// Expected lines from tests/flight/formulas_reference.py. The plain cases of each function are in
// the scenario function_completions.
const std::string kRefusal = "Oops. - Error (out of Range, division by zero or typo.)  ";

TEST(CompleteFlightFunction, WritesTheResultLineOrTheRefusal) {
    struct Row {
        const char* name;
        ValueBoxTexts boxes;
        std::string entry;  ///< the new entry text
    };
    using enum FlightFunction;
    const std::pair<FlightFunction, std::vector<Row>> functions[] = {
        {kPressureAltitude,
         {{"result beyond 32 bits", {"-5000000"}, "The Pressure Altitude is 5000029920 feet."},
          {"pressure altitude overflow", {"-1E306"}, kRefusal}}},
        {kTrueAirspeed,
         {{"altitude half to even, down", {"1234.5", "150"}, "The True Airspeed is 153.702"},
          {"altitude half to even, up", {"1235.5", "150"}, "The True Airspeed is 153.708"},
          {"refused altitude", {"", "100"}, "The True Airspeed is 100"},
          {"altitude beyond 32 bits", {"-1E12", "100"}, kRefusal},
          {"true airspeed overflow", {"-2000000000", "-1E307"}, kRefusal}}},
        {kDensityAltitude,
         {{"density altitude", {"30", "28.5"}, "The Density Altitude is 3463"},
          {"density factor in single", {"-40", "25.33"}, "The Density Altitude is -1756"},
          {"temperature in single", {"-38.88", "26.62"}, "The Density Altitude is -3622"},
          {"temperature beyond single", {"-1E39", "25"}, kRefusal},
          {"temperature rounds to infinity", {"-3.4028235677973366E38", "25"}, kRefusal}}},
        {kDewpoint,
         {{"zero humidity", {"0", "0"}, kRefusal},
          {"dewpoint factor rounds to one", {"-1E10", "100"}, kRefusal}}},
        {kCrosswind,
         {{"huge crosswind",
           {"-1E308", "30"},
           " Crosswind component is -5E+307 Headwind component is -8.66025403784439E+307"}}},
        {kWindFinding,
         {{"quartering wind", {"45", "120", "40", "105"}, "Wind is 9 at 18"},
          {"wind from north as a full turn", {"360", "100", "360", "90"}, "Wind is 360 at 10"},
          {"wind direction wraps below zero", {"1", "100", "0", "90"}, "Wind is 351 at 10"},
          {"one and a half rounds to two", {"90", "100", "90", "98.5"}, "Wind is 90 at 2"},
          {"a half rounds to calm", {"90", "100", "90", "99.5"}, kRefusal},
          {"wind square overflows", {"90", "100", "90", "-1E200"}, kRefusal}}},
        {kHeadingAndGroundSpeed,
         {{"wind from the right", {"10", "100", "90", "30"}, " Heading is 27 at 90"},
          {"cross component above airspeed", {"90", "100", "180", "150"}, kRefusal},
          {"cross component equals airspeed", {"90", "100", "180", "100"}, kRefusal},
          {"zero airspeed", {"90", "0", "360", "20"}, kRefusal}}},
    };
    for (const auto& [function, rows] : functions) {
        for (const Row& row : rows) {
            ValueBoxTexts boxes = row.boxes;
            KeptFlightValues members;
            EXPECT_EQ(CompleteFlightFunction(function, boxes, members), row.entry) << row.name;
        }
    }
}

TEST(ReadValue, ReadsOrRefuses) {
    const std::string range40 = "Error - Input Range is 0 to 40";
    // Name, box text, maximum, value read, box text afterwards.
    const std::tuple<const char*, std::string, std::int32_t, double, std::string> rows[] = {
        {"plain zero", "0", 40, 0.0, "0"},
        {"decimal zero", "0.0", 40, 0.001, range40},
        {"the maximum", "40", 40, 40.0, "40"},
        {"just above the maximum", "40.0001", 40, 0.001, range40},
        {"no lower bound", "-1E12", 40, -1e12, "-1E12"},
        {"leading number of a text", " 12.5 kt", 40, 12.5, " 12.5 kt"},
        {"range text refused again", range40, 40, 0.001, range40},
        {"other maximum", "1000", 999, 0.001, "Error - Input Range is 0 to 999"},
    };
    for (const auto& [name, text, max, value, shown] : rows) {
        ValueBoxTexts boxes{"a", text, "c", "d"};
        KeptFlightValues members;
        EXPECT_EQ(ReadValue(boxes, 1, max, members), value) << name;
        EXPECT_EQ(members.lastValue, value) << name;
        EXPECT_EQ(boxes, (ValueBoxTexts{"a", shown, "c", "d"})) << name;
    }
    ValueBoxTexts boxes{"1", "2", "3", "4"};
    KeptFlightValues members;
    members.lastValue = 5;
    EXPECT_EQ(ReadValue(boxes, 4, 40, members), 5.0) << "index past the boxes";
    EXPECT_EQ(ReadValue(boxes, -1, 40, members), 5.0) << "negative index";
    EXPECT_EQ(boxes, (ValueBoxTexts{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace aerlith
