#include "calc/number_format.h"
#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <locale>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Expected texts of the formatting tables come from tests/calc/number_text_expected.py.

namespace aerlith {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Every test runs twice: under the "C" locale and under a locale whose decimal separator is a
// comma. The results must not differ.
class NumberText : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (std::strcmp(GetParam(), "comma") != 0) return;
        for (const char* name : {"fr_CA.UTF-8", "fr_CA.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                 "de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name) == nullptr) continue;
            try {
                std::locale::global(std::locale(name));
            } catch (const std::runtime_error&) {
                continue;
            }
            ASSERT_STREQ(std::localeconv()->decimal_point, ",") << name;
            return;
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no comma-decimal locale is installed";
    }

    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }
};

INSTANTIATE_TEST_SUITE_P(Locale, NumberText, testing::Values("dot", "comma"),
                         [](const testing::TestParamInfo<const char*>& paramInfo) {
                             return std::string(paramInfo.param);
                         });

TEST_P(NumberText, LeadingNumberReading) {
    struct Row {
        const char* name;
        std::string text;
        double expected;
    };
    const Row rows[] = {
        {"unit after the number", " 12.5 kt", 12.5},
        {"blank between digits", "1 2", 12},
        {"tab and line feed between digits", "1\t2\n3", 123},
        {"carriage return stops", "1\r2", 1},
        {"letter after the number", "-3x", -3},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"exponent letter alone", "1e", 1},
        {"exponent sign alone", "1e+", 1},
        {"point alone", ".", 0},
        {"minus alone", "-", 0},
        {"second point stops", "12.5.3", 12.5},
        {"two signs", "--1", 0},
        {"plus sign", "+7", 7},
        {"blank after the sign", "- 4", -4},
        {"operator stops", "2+3", 2},
        {"comma stops", "1,234", 1},
        {"exponent E", "1.5E3", 1500},
        {"exponent d", "2.5d-2", 0.025},
        {"blanks inside the exponent", "1 E - 2", 0.01},
        {"fraction without whole part", "-.5", -0.5},
        {"overflowing exponent", "1E999", 0},
        {"overflowing digits", "9" + std::string(400, '9'), 0},
        {"underflowing exponent", "1E-999", 0},
        {"hexadecimal", "&H1F", 31},
        {"hexadecimal lower case", "&h1f", 31},
        {"hexadecimal stops at G", "&H1G", 1},
        {"hexadecimal 16-bit pattern", "&HFFFF", -1},
        {"hexadecimal lowest 16-bit", "&H8000", -32768},
        {"hexadecimal highest 16-bit", "&H7FFF", 32767},
        {"hexadecimal leading zeros", "&H0000FFFF", -1},
        {"hexadecimal above 16 bits", "&H10000", 65536},
        {"hexadecimal 32-bit pattern", "&HFFFFFFFF", -1},
        {"hexadecimal lowest 32-bit", "&H80000000", -2147483648.0},
        {"hexadecimal beyond 32 bits", "&H100000000", 0},
        {"octal", "&O17", 15},
        {"octal 16-bit pattern", "&o177777", -1},
        {"octal stops at 8", "&O78", 7},
        {"ampersand alone", "&", 0},
        {"ampersand and other letter", "&X1", 0},
        {"halfway between doubles goes to even",
         "1.00000000000000011102230246251565404236316680908203125", 1.0},
        {"just above halfway after many digits",
         "1.00000000000000011102230246251565404236316680908203125" + std::string(1000, '0') + "1",
         std::nextafter(1.0, 2.0)},
    };
    for (const Row& row : rows) EXPECT_EQ(ReadLeadingNumber(row.text), row.expected) << row.name;
}

TEST_P(NumberText, LongDigitTexts) {
    // 0.<99998 zeros>15 x 10^100000 is 15.
    const std::string shifted = "0." + std::string(99998, '0') + "15e100000";
    EXPECT_EQ(ReadLeadingNumber(shifted), 15.0);
    EXPECT_EQ(ConvertNumber(shifted), 15.0);
    const std::string third = "0." + std::string(100000, '3');
    EXPECT_EQ(ReadLeadingNumber(third), 1.0 / 3.0);
    EXPECT_EQ(ConvertNumber(third), 1.0 / 3.0);
    EXPECT_EQ(ReadLeadingNumber(std::string(100000, '1')), 0.0);
    EXPECT_EQ(ConvertNumber(std::string(100000, '1')), std::nullopt);
}

TEST_P(NumberText, NumberConversion) {
    struct Row {
        const char* name;
        const char* text;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {"grouping", "1,234.5", 1234.5},
        {"grouping of any size", "1,2,3", 123},
        {"comma is never a decimal point", "12,5", 125},
        {"leading comma", ",5", std::nullopt},
        {"trailing comma", "5,", std::nullopt},
        {"two commas", "1,,2", std::nullopt},
        {"comma before the point", "1,.5", std::nullopt},
        {"comma in the fraction", "1.5,0", std::nullopt},
        {"exponent", "1.5E3", 1500},
        {"exponent D", "1D2", 100},
        {"blanks around", " -12.5\t", -12.5},
        {"plus sign", "+3", 3},
        {"point first", ".5", 0.5},
        {"point last", "5.", 5},
        {"negative zero", "-0", 0},
        {"empty", "", std::nullopt},
        {"blank", " ", std::nullopt},
        {"letters", "abc", std::nullopt},
        {"trailing sign", "1-", std::nullopt},
        {"two signs", "--1", std::nullopt},
        {"point alone", ".", std::nullopt},
        {"exponent without digits", "1e", std::nullopt},
        {"exponent sign without digits", "1e+", std::nullopt},
        {"blank inside", "1 2", std::nullopt},
        {"two points", "1.2.3", std::nullopt},
        {"text after the number", "1e5x", std::nullopt},
        {"hexadecimal", "&H10", std::nullopt},
        {"overflow", "1E400", std::nullopt},
        {"underflow", "1E-400", 0},
        {"largest 15-digit text", "1.79769313486231E+308", 1.79769313486231e308},
        {"15-digit text beyond the range", "1.79769313486232E+308", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ConvertNumber(row.text), row.expected) << row.name;
}

TEST_P(NumberText, GeneralForm) {
    struct Row {
        const char* name;
        double value;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
        {"1.0 / 3.0", 1.0 / 3.0, "0.333333333333333"},
        {"2.0 / 3.0", 2.0 / 3.0, "0.666666666666667"},
        {"1e-4", 1e-4, "0.0001"},
        {"0.00001", 0.00001, "1E-05"},
        {"123456789012345678.0", 123456789012345678.0, "1.23456789012346E+17"},
        {"999999999999999.9", 999999999999999.9, "1E+15"},
        {"99999999999999.9", 99999999999999.9, "99999999999999.9"},
        {"-1.5e-7", -1.5e-7, "-1.5E-07"},
        {"1e15", 1e15, "1E+15"},
        {"1e16", 1e16, "1E+16"},
        {"-123.456", -123.456, "-123.456"},
        {"6.02214076e23", 6.02214076e23, "6.02214076E+23"},
        {"largest double", 1.7976931348623157e308, std::nullopt},
        {"5e-324", 5e-324, "4.94065645841247E-324"},
        {"0.000123456789012345678", 0.000123456789012345678, "0.000123456789012346"},
        {"100.0", 100.0, "100"},
        {"-0.5", -0.5, "-0.5"},
        {"12345678901234.5", 12345678901234.5, "12345678901234.5"},
        {"0.1 * 3.0", 0.1 * 3.0, "0.3"},
        {"1e100", 1e100, "1E+100"},
        {"-9.87654321e-100", -9.87654321e-100, "-9.87654321E-100"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"NaN", kNaN, std::nullopt},
        {"infinity", kInfinity, std::nullopt},
        {"negative infinity", -kInfinity, std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(FormatGeneral(row.value), row.expected) << row.name;
}

TEST_P(NumberText, GeneralFormOfSingles) {
    struct Row {
        const char* name;
        float value;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"1e7f", 1e7f, "1E+07"},
        {"1234567.0f", 1234567.0f, "1234567"},
        {"0.1f", 0.1f, "0.1"},
        {"3.1415927f", 3.1415927f, "3.141593"},
        {"9999999.0f", 9999999.0f, "9999999"},
        {"12345678.0f", 12345678.0f, "1.234568E+07"},
        {"1e-5f", 1e-5f, "1E-05"},
        {"0.0001f", 0.0001f, "0.0001"},
        {"-2.5e-10f", -2.5e-10f, "-2.5E-10"},
        {"3.4028235e38f", 3.4028235e38f, "3.402823E+38"},
        {"16777217.0f", 16777217.0f, "1.677722E+07"},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), std::nullopt},
        {"infinity", std::numeric_limits<float>::infinity(), std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatGeneralSingle(row.value), row.expected) << row.name;
    }
}

TEST_P(NumberText, GeneralFormReadsBack) {
    // 15 significant digits always survive text -> double -> text.
    std::mt19937_64 bits(20240601);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = bits();
        double value = 0;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value)) continue;
        const auto text = FormatGeneral(value);
        if (!text) {
            EXPECT_GT(std::fabs(value), 1.79769313486231e308);
            continue;
        }
        const auto back = ConvertNumber(*text);
        ASSERT_TRUE(back.has_value()) << *text;
        EXPECT_EQ(FormatGeneral(*back), *text);
    }
}

TEST_P(NumberText, WholeNumberRounding) {
    struct Row {
        const char* name;
        double value;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {"half below one", 0.5, 0.0},
        {"one and a half", 1.5, 2.0},
        {"two and a half", 2.5, 2.0},
        {"minus two and a half", -2.5, -2.0},
        {"minus a half", -0.5, 0.0},
        {"three and a half", 3.5, 4.0},
        {"minus seven and a half", -7.5, -8.0},
        {"largest half", 4503599627370495.5, 4503599627370496.0},
        {"just below a half", 2.4999999999999996, 2.0},
        {"beyond any integer type", 1e300, 1e300},
        {"NaN", kNaN, std::nullopt},
        {"infinity", kInfinity, std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(RoundHalfEven(row.value), row.expected) << row.name;
}

TEST_P(NumberText, IntegerConversions) {
    struct Row16 {
        const char* name;
        double value;
        std::optional<std::int16_t> expected;
    };
    const Row16 rows16[] = {
        {"rounds down into range", 32767.4, std::int16_t{32767}},
        {"rounds up out of range", 32767.5, std::nullopt},
        {"lowest half goes to even", -32768.5, std::int16_t{-32768}},
        {"below the lowest", -32768.6, std::nullopt},
        {"half to even", 2.5, std::int16_t{2}},
        {"NaN", kNaN, std::nullopt},
    };
    for (const Row16& row : rows16) EXPECT_EQ(ToInt16(row.value), row.expected) << row.name;

    struct Row32 {
        const char* name;
        double value;
        std::optional<std::int32_t> expected;
    };
    const Row32 rows32[] = {
        {"rounds down into range", 2147483647.4, std::int32_t{2147483647}},
        {"rounds up out of range", 2147483647.5, std::nullopt},
        {"lowest half goes to even", -2147483648.5, std::int32_t{-2147483647 - 1}},
        {"far out of range", 1e10, std::nullopt},
        {"half to even", -3.5, std::int32_t{-4}},
        {"infinity", -kInfinity, std::nullopt},
    };
    for (const Row32& row : rows32) EXPECT_EQ(ToInt32(row.value), row.expected) << row.name;
}

TEST_P(NumberText, SignedNumberText) {
    EXPECT_EQ(SignedNumberText(14), " 14");
    EXPECT_EQ(SignedNumberText(-3), "-3");
    EXPECT_EQ(SignedNumberText(0), " 0");
    EXPECT_EQ(SignedNumberText(-0.0), " 0");
    EXPECT_EQ(SignedNumberText(1e16), " 1E+16");
    EXPECT_EQ(SignedNumberText(kNaN), std::nullopt);
}

TEST_P(NumberText, OneDecimalAndStandardForms) {
    struct Row {
        const char* name;
        double value;
        std::optional<std::string> oneDecimal;
        std::optional<std::string> standard;
    };
    const Row rows[] = {
        {"0.15", 0.15, "0.2", "0.15"},
        {"0.25", 0.25, "0.3", "0.25"},
        {"2.45", 2.45, "2.5", "2.45"},
        {"-2.25", -2.25, "-2.3", "-2.25"},
        {"1.005", 1.005, "1.0", "1.01"},
        {"1234567.891", 1234567.891, "1234567.9", "1,234,567.89"},
        {"0.004", 0.004, "0.0", "0.00"},
        {"1e20", 1e20, "100000000000000000000.0", "100,000,000,000,000,000,000.00"},
        {"1e-20", 1e-20, "0.0", "0.00"},
        {"-0.001", -0.001, "0.0", "0.00"},
        {"1234.5", 1234.5, "1234.5", "1,234.50"},
        {"999.995", 999.995, "1000.0", "1,000.00"},
        {"-999999.999", -999999.999, "-1000000.0", "-1,000,000.00"},
        {"0.05", 0.05, "0.1", "0.05"},
        {"0.95", 0.95, "1.0", "0.95"},
        {"0.049999999999999", 0.049999999999999, "0.0", "0.05"},
        {"zero", 0.0, "0.0", "0.00"},
        {"largest double", 1.7976931348623157e308, std::nullopt, std::nullopt},
        {"NaN", kNaN, std::nullopt, std::nullopt},
        {"infinity", kInfinity, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatOneDecimal(row.value), row.oneDecimal) << row.name;
        EXPECT_EQ(FormatStandard(row.value), row.standard) << row.name;
    }
}

}  // namespace
}  // namespace aerlith
