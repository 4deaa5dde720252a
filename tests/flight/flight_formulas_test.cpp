#include "flight/flight_formulas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace aerlith {
namespace {

// Expected lines from tests/flight/formulas_reference.py. The plain cases of each function are in
// the scenario function_completions.
const std::string kRefusal = "Oops. - Error (out of Range, division by zero or typo.)  ";

TEST(CompleteFlightFunction, WritesTheResultLineOrTheRefusal) {
    // Name, mode letter, value boxes, new entry text (nullopt: not a flight function).
    const std::tuple<const char*, char, ValueBoxTexts, std::optional<std::string>> rows[] = {
        {"result beyond 32 bits", 'e', {"-5000000"}, "The Pressure Altitude is 5000029920 feet."},
        {"pressure altitude overflow", 'e', {"-1E306"}, kRefusal},
        {"altitude half to even, down", 'a', {"1234.5", "150"}, "The True Airspeed is 153.702"},
        {"altitude half to even, up", 'a', {"1235.5", "150"}, "The True Airspeed is 153.708"},
        {"refused altitude", 'a', {"", "100"}, "The True Airspeed is 100"},
        {"altitude beyond 32 bits", 'a', {"-1E12", "100"}, kRefusal},
        {"true airspeed overflow", 'a', {"-2000000000", "-1E307"}, kRefusal},
        {"density altitude", 's', {"30", "28.5"}, "The Density Altitude is 3463"},
        {"density factor in single", 's', {"-40", "25.33"}, "The Density Altitude is -1756"},
        {"temperature in single", 's', {"-38.88", "26.62"}, "The Density Altitude is -3622"},
        {"temperature beyond single", 's', {"-1E39", "25"}, kRefusal},
        {"temperature rounds to infinity", 's', {"-3.4028235677973366E38", "25"}, kRefusal},
        {"zero humidity", 'o', {"0", "0"}, kRefusal},
        {"dewpoint factor rounds to one", 'o', {"-1E10", "100"}, kRefusal},
        {"huge crosswind",
         'w',
         {"-1E308", "30"},
         " Crosswind component is -5E+307 Headwind component is -8.66025403784439E+307"},
        {"quartering wind", '-', {"45", "120", "40", "105"}, "Wind is 9 at 18"},
        {"wind from north as a full turn", '-', {"360", "100", "360", "90"}, "Wind is 360 at 10"},
        {"wind direction wraps below zero", '-', {"1", "100", "0", "90"}, "Wind is 351 at 10"},
        {"one and a half rounds to two", '-', {"90", "100", "90", "98.5"}, "Wind is 90 at 2"},
        {"a half rounds to calm", '-', {"90", "100", "90", "99.5"}, kRefusal},
        {"wind square overflows", '-', {"90", "100", "90", "-1E200"}, kRefusal},
        {"wind from the right", 'd', {"10", "100", "90", "30"}, " Heading is 27 at 90"},
        {"cross component above airspeed", 'd', {"90", "100", "180", "150"}, kRefusal},
        {"cross component equals airspeed", 'd', {"90", "100", "180", "100"}, kRefusal},
        {"zero airspeed", 'd', {"90", "0", "360", "20"}, kRefusal},
        {"no flight function", 'p', {"1", "2", "3", "4"}, std::nullopt},
    };
    for (const auto& [name, modeLetter, texts, expected] : rows) {
        ValueBoxTexts boxes = texts;
        FlightMembers members;
        EXPECT_EQ(CompleteFlightFunction(modeLetter, boxes, members), expected) << name;
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
        FlightMembers members;
        EXPECT_EQ(ReadValue(boxes, 1, max, members), value) << name;
        EXPECT_EQ(members.lastValue, value) << name;
        EXPECT_EQ(boxes, (ValueBoxTexts{"a", shown, "c", "d"})) << name;
    }
    ValueBoxTexts boxes{"1", "2", "3", "4"};
    FlightMembers members;
    members.lastValue = 5;
    EXPECT_EQ(ReadValue(boxes, 4, 40, members), 5.0) << "index past the boxes";
    EXPECT_EQ(ReadValue(boxes, -1, 40, members), 5.0) << "negative index";
    EXPECT_EQ(boxes, (ValueBoxTexts{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace aerlith
