#include "nav/cross_country.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "calc/number_format.h"
#include "test_files.h"

namespace aerlith {
namespace {

TEST(ComputeLeg, MatchesTheIndependentReference) {
    // From cross_country_reference.py: origin and destination latitude and longitude in degrees,
    // then NM, SM and true course as shown.
    const std::tuple<const char*, float, float, float, float, const char*, const char*, const char*>
        cases[] = {
            {"due north", 45, 75, 46, 75, "60", "69.1", "360"},
            {"due south", 45, 75, 44, 75, "60", "69.1", "180"},
            {"half the world along the equator", 0, 0, 0, 180, "10800", "12441.6", "90"},
            {"ten minutes two seconds north", 45, 75, 45.1672211f, 75, "10", "11.5", "360"},
            {"one second apart", 45, 75, 45.0002785f, 75, "refused", "", ""},
        };
    for (const auto& [name, lat1, lon1, lat2, lon2, nm, sm, trueCourse] : cases) {
        const auto leg = ComputeLeg(lat1, lon1, lat2, lon2);
        ASSERT_EQ(leg.has_value(), std::string(nm) != "refused") << name;
        if (!leg) continue;
        EXPECT_EQ(FormatGeneralSingle(leg->distanceNm), nm) << name;
        EXPECT_EQ(FormatGeneralSingle(leg->distanceSm), sm) << name;
        EXPECT_EQ(FormatGeneral(leg->trueCourseDeg), trueCourse) << name;
    }
}

TEST(MagneticCourse, BroughtIntoTheCompassRangeAtOneDecimal) {
    EXPECT_EQ(FormatGeneral(MagneticCourse(355.3, 10).value()), "5.3");  // not 5.300000000000011
    EXPECT_EQ(FormatGeneral(MagneticCourse(5, -5).value()), "360");
    EXPECT_FALSE(MagneticCourse(std::nan(""), 0));
}

// What a scenario does not show: the blanks before a three-letter identifier, an origin that is
// not there, and two aerodromes at one position. Distance and true course from
// cross_country_reference.py; magnetic: + 0 W.
TEST(ComputeCrossCountry, ResultLineOrRefusal) {
    const std::string file =
        TestFile({Ottawa(), Named("TWIN FIELD", "XTWN"), At("YAA", 45, 120), At("YBB", 45, 121)});
    using enum CrossCountryOutcome;
    const std::tuple<const char*, const char*, const char*, CrossCountryOutcome, std::string>
        cases[] = {
            {"three-letter identifiers keep their blanks", "YAA", "YBB", kLeg,
             "    YAA  to  YBB     Dist = 42.4/48.8 (NM/SM)  Initial True Crs = 270.4    "
             "Magnetic Crs = 270.4 /270.4"},
            {"origin not found", "CYVR", "CYOW", kNotFound,
             "Sorry, that location was not found. - End of Database"},
            {"two aerodromes at one position", "CYOW", "XTWN", kNoLeg,
             "Oops. - Error (out of Range, division by zero or typo.)  "},
        };
    for (const auto& [name, origin, dest, outcome, entry] : cases) {
        NavState state;
        const CrossCountryResult result =
            ComputeCrossCountryInBytes(file, origin, dest, state, nullptr);
        EXPECT_EQ(result.outcome, outcome) << name;
        EXPECT_EQ(result.entryText, entry) << name;
    }
}

// Magnetic: 83.2 + 13 W, + 14 W.
TEST(ComputeCrossCountry, MissingVariationMarkIsAppendedAndStays) {
    NavState state;
    const std::string noVariation = TestFileWithoutEnd({Ottawa()}) + "MONTREAL CYUL\r\n\r\n99\r\n";
    EXPECT_EQ(
        ComputeCrossCountryInBytes(noVariation, "CYOW", "CYUL", state, nullptr).entryText.back(),
        '?');
    EXPECT_EQ(
        ComputeCrossCountryInBytes(TestFile({Ottawa(), Montreal()}), "CYOW", "CYUL", state, nullptr)
            .entryText,
        "   CYOW  to CYUL     Dist = 81.7/94.1 (NM/SM)  Initial True Crs = 83.2    "
        "Magnetic Crs = 96.2 /97.2?");
}

}  // namespace
}  // namespace aerlith
