#include "nav/cross_country.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "calc/angles.h"
#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "tables/text_tables.h"
#include "test_files.h"

namespace aerlith {
namespace {

const std::string kError = "Oops. - Error (out of Range, division by zero or typo.)  ";
const std::string kNotFound = "Sorry, that location was not found. - End of Database";
const std::string kWrongLength =
    "Please enter the airport as a 3 or 4 character identifier. (Use the 'Lookup Button' for the "
    "airport ID.)";
const std::string kUnreadable = "Sorry, the aerodrome database vdats.tst could not be read.";

TEST(ArcCosine, WholeRangeWithTrueValuesAtTheEnds) {
    struct Case {
        const char* name;
        double x;
        double radians;
    };
    const Case cases[] = {
        {"1 is 0", 1.0, 0.0},
        {"-1 is pi", -1.0, kPiPrime},
        {"0 is a quarter turn", 0.0, 2.0 * std::atan(1.0)},
        {"just below -1 after rounding", -1.0000000000000033, kPiPrime},
        {"just above 1 after rounding", 1.0000000000000002, 0.0},
        {"far outside", -5.0, kPiPrime},
        // Values from the definition: acos(1/2) = pi/3, acos(-1/2) = 2pi/3.
        {"one half", 0.5, 1.0471975511965979},
        {"minus one half", -0.5, 2.0943951023931957},
    };
    for (const auto& c : cases) {
        const auto value = ArcCosine(c.x);
        ASSERT_TRUE(value) << c.name;
        // The formula works through atan and a square root: a few units in the last place.
        EXPECT_NEAR(*value, c.radians, 1e-15) << c.name;
    }
    EXPECT_FALSE(ArcCosine(std::nan("")));
}

struct Dms {
    int degrees, minutes, seconds;
    float Value() const { return static_cast<float>(degrees + minutes / 60.0 + seconds / 3600.0); }
};

struct LegCase {
    const char* name;
    Dms lat1, lon1, lat2, lon2;
    const char* nm;  // "refused" when no leg is worked out
    const char* sm;
    const char* trueCourse;
};

// From tests/nav/cross_country_reference.py, which works the same spherical formulas
// independently in Python with float32 rounding where values are held as singles.
const LegCase kLegs[] = {
    {"Ottawa to Montreal",
     {45, 19, 21},
     {75, 40, 9},
     {45, 28, 4},
     {73, 44, 32},
     "81.7",
     "94.1",
     "83.2"},
    {"Montreal to Ottawa",
     {45, 28, 4},
     {73, 44, 32},
     {45, 19, 21},
     {75, 40, 9},
     "81.7",
     "94.1",
     "264.6"},
    {"Ottawa to Seattle",
     {45, 19, 21},
     {75, 40, 9},
     {47, 26, 56},
     {122, 18, 33},
     "1905.4",
     "2195",
     "290.9"},
    {"Seattle to Ottawa",
     {47, 26, 56},
     {122, 18, 33},
     {45, 19, 21},
     {75, 40, 9},
     "1905.4",
     "2195",
     "76.2"},
    {"due north", {45, 19, 21}, {75, 40, 9}, {46, 19, 21}, {75, 40, 9}, "60", "69.1", "360"},
    {"due south", {45, 19, 21}, {75, 40, 9}, {44, 19, 21}, {75, 40, 9}, "60", "69.1", "180"},
    {"due east along a parallel",
     {45, 0, 0},
     {75, 0, 0},
     {45, 0, 0},
     {74, 0, 0},
     "42.4",
     "48.8",
     "89.6"},
    {"due west along a parallel",
     {45, 0, 0},
     {75, 0, 0},
     {45, 0, 0},
     {76, 0, 0},
     "42.4",
     "48.8",
     "270.4"},
    {"across the equator", {0, 30, 0}, {80, 0, 0}, {0, 0, 0}, {79, 30, 0}, "42.4", "48.8", "135"},
    {"half the world along the equator",
     {0, 0, 0},
     {0, 0, 0},
     {0, 0, 0},
     {180, 0, 0},
     "10800",
     "12441.6",
     "90"},
    {"one second apart", {45, 0, 0}, {75, 0, 0}, {45, 0, 1}, {75, 0, 0}, "refused", "", ""},
    {"ten minutes two seconds north",
     {45, 0, 0},
     {75, 0, 0},
     {45, 10, 2},
     {75, 0, 0},
     "10",
     "11.5",
     "360"},
    {"six seconds apart", {45, 0, 0}, {75, 0, 0}, {45, 0, 6}, {75, 0, 0}, "0.1", "0.1", "360"},
    {"same position", {45, 19, 21}, {75, 40, 9}, {45, 19, 21}, {75, 40, 9}, "refused", "", ""},
};

TEST(ComputeLeg, MatchesTheIndependentReference) {
    for (const auto& c : kLegs) {
        const auto leg = ComputeLeg(c.lat1.Value(), c.lon1.Value(), c.lat2.Value(), c.lon2.Value());
        if (std::string(c.nm) == "refused") {
            EXPECT_FALSE(leg) << c.name;
            continue;
        }
        ASSERT_TRUE(leg) << c.name;
        EXPECT_EQ(FormatGeneralSingle(leg->distanceNm), c.nm) << c.name;
        EXPECT_EQ(FormatGeneralSingle(leg->distanceSm), c.sm) << c.name;
        EXPECT_EQ(FormatGeneral(leg->trueCourseDeg), c.trueCourse) << c.name;
    }
}

TEST(MagneticCourse, AddsWestSubtractsEastAndStaysInRange) {
    struct Case {
        const char* name;
        double trueCourse;
        float variationWest;
        const char* magnetic;
    };
    const Case cases[] = {
        {"14 west", 100.0, 14.0f, "114"},        {"12 east", 100.0, -12.0f, "88"},
        {"past 360", 359.0, 14.0f, "13"},        {"past 360 with a decimal", 355.3, 10.0f, "5.3"},
        {"below 0", 7.0, -12.0f, "355"},         {"north stays 360", 360.0, 0.0f, "360"},
        {"zero becomes 360", 5.0, -5.0f, "360"}, {"exactly a turn above", 350.0, 10.0f, "360"},
        {"decimal kept", 83.2, 13.0f, "96.2"},   {"100 west from north", 360.0, 100.0f, "100"},
    };
    for (const auto& c : cases) {
        const auto magnetic = MagneticCourse(c.trueCourse, c.variationWest);
        ASSERT_TRUE(magnetic) << c.name;
        EXPECT_EQ(FormatGeneral(*magnetic), c.magnetic) << c.name;
    }
    EXPECT_FALSE(MagneticCourse(std::nan(""), 0.0f));
}

// --- The whole function over a file ------------------------------------------------------------

CrossCountryResult CrossCountry(const std::string& file, const char* origin, const char* dest,
                                NavState& state) {
    return ComputeCrossCountryInBytes(file, origin, dest, state);
}

TEST(ComputeCrossCountry, WritesTheResultLineExactly) {
    const std::string file = TestFile({Ottawa(), Montreal(), Seattle()});
    NavState state;
    // 83.2 + 13 W = 96.2, 83.2 + 14 W = 97.2.
    EXPECT_EQ(CrossCountry(file, "CYOW", "CYUL", state).entryText,
              "   CYOW  to CYUL     Dist = 81.7/94.1 (NM/SM)  Initial True Crs = 83.2    "
              "Magnetic Crs = 96.2 /97.2");
    // 76.2 - 15 E = 61.2, 76.2 + 13 W = 89.2.
    EXPECT_EQ(CrossCountry(file, "sea", "yow", state).entryText,
              "   KSEA  to CYOW     Dist = 1905.4/2195 (NM/SM)  Initial True Crs = 76.2    "
              "Magnetic Crs = 61.2 /89.2");
    EXPECT_EQ(state.noVariationMark, "");
}

TEST(ComputeCrossCountry, ThreeLetterIdentifiersKeepTheirBlanks) {
    const std::string file = TestFile({At("YAA", 45.0, 75.0, 0), At("YBB", 46.0, 75.0, 0)});
    NavState state;
    EXPECT_EQ(CrossCountry(file, "YAA", "YBB", state).entryText,
              "    YAA  to  YBB     Dist = 60/69.1 (NM/SM)  Initial True Crs = 360    "
              "Magnetic Crs = 360 /360");
}

TEST(ComputeCrossCountry, DueSouthIs180AndMagneticCoursesWrap) {
    const std::string file = TestFile(
        {At("XNOR", 46.0, 75.0, 13), At("XSOU", 45.0, 75.0, -12), At("XEAS", 45.0, 74.0, 0)});
    NavState state;
    EXPECT_EQ(CrossCountry(file, "XNOR", "XSOU", state).entryText,
              "   XNOR  to XSOU     Dist = 60/69.1 (NM/SM)  Initial True Crs = 180    "
              "Magnetic Crs = 193 /168");
    // North: 360 + 12 E gives 348, 360 + 13 W gives 13.
    EXPECT_EQ(CrossCountry(file, "XSOU", "XNOR", state).entryText,
              "   XSOU  to XNOR     Dist = 60/69.1 (NM/SM)  Initial True Crs = 360    "
              "Magnetic Crs = 348 /13");
}

TEST(ComputeCrossCountry, RefusalsShowTheirMessage) {
    const std::string file = TestFile({Ottawa(), Montreal(), Named("TWIN FIELD", "ON", "XTWN")});
    struct Case {
        const char* name;
        const char* origin;
        const char* dest;
        std::string text;
        bool disableEquals;
    };
    const Case cases[] = {
        {"origin of two characters", "YO", "CYUL", kWrongLength, true},
        {"destination of five characters", "CYOW", "CYULX", kWrongLength, true},
        {"origin of blanks", "   ", "CYUL", kWrongLength, true},
        {"origin not found", "CYVR", "CYUL", kNotFound, false},
        {"destination not found", "CYOW", "CYVR", kNotFound, false},
        {"same identifier twice", "CYOW", "CYOW", kError, false},
        {"two queries for one record", "CYOW", "yow", kError, false},
        {"two aerodromes at one position", "CYOW", "XTWN", kError, false},
    };
    for (const auto& c : cases) {
        NavState state;
        const CrossCountryResult result = CrossCountry(file, c.origin, c.dest, state);
        EXPECT_EQ(result.entryText, c.text) << c.name;
        EXPECT_EQ(result.disableEquals, c.disableEquals) << c.name;
    }
}

TEST(ComputeCrossCountry, MissingVariationMarkIsAppendedAndStays) {
    const std::string file = TestFile({Ottawa(), Montreal()});
    const std::string noVariation =
        EncodeRecord(Montreal()).bytes->substr(0, EncodeRecord(Montreal()).bytes->find('\n') + 1);
    const std::string damaged = TestFileWithoutEnd({Ottawa()}) + noVariation + "\r\n99\r\n";
    NavState state;
    const std::string line = CrossCountry(damaged, "CYOW", "CYUL", state).entryText;
    EXPECT_EQ(line.back(), '?') << line;
    EXPECT_EQ(line.substr(0, 28), "   CYOW  to CYUL     Dist = ");
    const std::string later = CrossCountry(file, "CYOW", "CYUL", state).entryText;
    EXPECT_EQ(later,
              "   CYOW  to CYUL     Dist = 81.7/94.1 (NM/SM)  Initial True Crs = 83.2    "
              "Magnetic Crs = 96.2 /97.2?");
}

TEST(ComputeCrossCountry, UnreadableFileAndTheShippedFile) {
    NavState state;
    EXPECT_EQ(ComputeCrossCountry("/nonexistent/vdats.tst", "CYOW", "CYUL", state).entryText,
              kUnreadable);
    EXPECT_EQ(ComputeCrossCountry("/nonexistent/vdats.tst", "CY", "CYUL", state).entryText,
              kWrongLength);
    EXPECT_EQ(ComputeCrossCountry(TestDataFolder(), "CYOW", "CYUL", state).entryText, kUnreadable);
    EXPECT_EQ(ComputeCrossCountry(TestDataFolder() / "valid.tst", "CYOW", "CYUL", state).entryText,
              "   CYOW  to CYUL     Dist = 81.7/94.1 (NM/SM)  Initial True Crs = 83.2    "
              "Magnetic Crs = 96.2 /97.2");

    const auto shipped = TestDataFolder().parent_path().parent_path() / "data" / "vdats.tst";
    const std::string line = ComputeCrossCountry(shipped, "CYOW", "CYUL", state).entryText;
    const std::string prefix = "   CYOW  to CYUL     Dist = ";
    ASSERT_EQ(line.substr(0, prefix.size()), prefix) << line;
    // About 82 nautical miles between Ottawa and Montreal airports.
    EXPECT_NEAR(ReadLeadingNumber(line.substr(prefix.size())), 82.0, 1.5) << line;
}

}  // namespace
}  // namespace aerlith
