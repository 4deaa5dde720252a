#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "calc/number_format.h"
#include "calc/number_reading.h"

// Expected texts of the writers come from number_text_expected.py; the readings are worked by
// hand.

namespace aerlith {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
const std::string kHalfway = "1.00000000000000011102230246251565404236316680908203125";

#ifdef _WIN32
// MinGW's C++ library knows no locale by name, so the C library's own locale, the one printf and
// strtod follow, is set instead.
constexpr const char* kCommaLocale = "French_Canada";
void UseLocale(const char* name) { ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name; }
#else
constexpr const char* kCommaLocale = "fr_CA.UTF-8";
void UseLocale(const char* name) { std::locale::global(std::locale(name)); }  // throws if missing
#endif

// The readers and writers run under the "C" locale and under Canadian French, whose decimal
// separator is a comma: "." stays the decimal point and "," the grouping either way.
class NumberText : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(UseLocale(GetParam()));
        ASSERT_STREQ(std::localeconv()->decimal_point, GetParam()[0] == 'C' ? "." : ",");
    }
    void TearDown() override { std::locale::global(std::locale::classic()); }
};

INSTANTIATE_TEST_SUITE_P(Locale, NumberText, testing::Values("C", kCommaLocale),
                         [](const auto& paramInfo) {
                             return paramInfo.index == 0 ? "Dot" : "Comma";
                         });

TEST_P(NumberText, Reading) {
    // Name, text, its leading number, and its conversion as a whole.
    const std::tuple<const char*, std::string, double, std::optional<double>> rows[] = {
        {"blanks around", " -12.5\t", -12.5, -12.5},
        {"unit after the number", " 12.5 kt", 12.5, std::nullopt},
        {"blanks, tabs and line feeds", " -1 2\t3\n4\t", -1234, std::nullopt},
        {"carriage return stops", "1\r2", 1, std::nullopt},
        {"blank after the sign", "- 4", -4, std::nullopt},
        {"plus sign", "+7", 7, 7},
        {"two signs", "--1", 0, std::nullopt},
        {"point first and last", "-.5", -0.5, -0.5},
        {"second point", "12.5.3", 12.5, std::nullopt},
        {"grouping", "1,234.5", 1, 1234.5},
        {"comma is never a decimal point", "12,5", 12, 125},
        {"leading comma", ",5", 0, std::nullopt},
        {"trailing comma", "5,", 5, std::nullopt},
        {"comma after a sign", "-,5", 0, std::nullopt},
        {"exponent E", "1.5E3", 1500, 1500},
        {"exponent d with sign", "2.5d-2", 0.025, 0.025},
        {"blanks inside the exponent", "1 E - 2", 0.01, std::nullopt},
        {"exponent letter and sign alone", "1e+", 1, std::nullopt},
        {"overflowing exponent", "1E999", 0, std::nullopt},
        {"overflowing digits", std::string(400, '9'), 0, std::nullopt},
        {"underflow", "1E-999", 0, 0},
        {"largest 15-digit text", "1.79769313486231E+308", 1.79769313486231e308,
         1.79769313486231e308},
        {"15-digit text beyond the range", "1.79769313486232E+308", 0, std::nullopt},
        {"digits shifted by a long exponent", "0." + std::string(99998, '0') + "15e100000", 15, 15},
        {"halfway between doubles goes to even", kHalfway, 1.0, 1.0},
        {"just above halfway after many digits", kHalfway + std::string(1000, '0') + "1",
         std::nextafter(1.0, 2.0), std::nextafter(1.0, 2.0)},
        {"hexadecimal of mixed case", "&hFf", 255, std::nullopt},
        {"highest 16-bit", "&H7FFF", 32767, std::nullopt},
        {"lowest 16-bit", "&H8000", -32768, std::nullopt},
        {"above 16 bits", "&H10000", 65536, std::nullopt},
        {"32-bit pattern", "&HFFFFFFFF", -1, std::nullopt},
        {"beyond 32 bits, whatever follows", "&H1000000001", 0, std::nullopt},
        {"octal 16-bit pattern", "&o177777", -1, std::nullopt},
        {"octal stops at 8", "&O78", 7, std::nullopt},
        {"ampersand and other letter", "&X1", 0, std::nullopt},
    };
    for (const auto& [name, text, leading, whole] : rows) {
        EXPECT_EQ(ReadLeadingNumber(text), leading) << name;
        EXPECT_EQ(ConvertNumber(text), whole) << name;
    }
}

TEST_P(NumberText, Writing) {
    const std::pair<double, std::optional<std::string>> general[] = {
        {0.1 + 0.2, "0.3"},
        {2.0 / 3.0, "0.666666666666667"},
        {1e-4, "0.0001"},
        {0.00001, "1E-05"},
        {-1.5e-7, "-1.5E-07"},
        {5e-324, "4.94065645841247E-324"},
        {100.0, "100"},
        {99999999999999.9, "99999999999999.9"},
        {999999999999999.9, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1e100, "1E+100"},
        {1.79769313486231e308, "1.79769313486231E+308"},
        {1.7976931348623157e308, std::nullopt},
        {-0.0, "0"},
        {kNaN, std::nullopt},
        {-kInfinity, std::nullopt}};
    for (const auto& [value, text] : general) EXPECT_EQ(FormatGeneral(value), text) << value;
    const std::pair<float, std::optional<std::string>> singles[] = {
        {1e7f, "1E+07"},
        {9999999.0f, "9999999"},
        {12345678.0f, "1.234568E+07"},
        {0.1f, "0.1"},
        {3.1415927f, "3.141593"},
        {1e-5f, "1E-05"},
        {3.4028235e38f, "3.402823E+38"},
        {std::numeric_limits<float>::quiet_NaN(), std::nullopt}};
    for (const auto& [value, text] : singles) EXPECT_EQ(FormatGeneralSingle(value), text) << value;
    // Value, one-decimal form, standard form.
    const std::tuple<double, std::optional<std::string>, std::optional<std::string>> fixed[] = {
        {0.15, "0.2", "0.15"},
        {-2.25, "-2.3", "-2.25"},
        {1.005, "1.0", "1.01"},
        {0.049999999999999, "0.0", "0.05"},
        {-0.001, "0.0", "0.00"},
        {999.995, "1000.0", "1,000.00"},
        {1234567.891, "1234567.9", "1,234,567.89"},
        {1e20, "100000000000000000000.0", "100,000,000,000,000,000,000.00"},
        {1.7976931348623157e308, std::nullopt, std::nullopt},
        {kNaN, std::nullopt, std::nullopt}};
    for (const auto& [value, oneDecimal, standard] : fixed) {
        EXPECT_EQ(FormatOneDecimal(value), oneDecimal) << value;
        EXPECT_EQ(FormatStandard(value), standard) << value;
    }
    EXPECT_EQ(SignedNumberText(14), " 14");
    EXPECT_EQ(SignedNumberText(-3), "-3");
    EXPECT_EQ(SignedNumberText(kNaN), std::nullopt);
}

TEST(WholeNumbers, HalvesGoToTheEvenNeighbour) {
    // Value, RoundHalfEven, ToInt32.
    using Int32 = std::optional<std::int32_t>;
    const std::tuple<double, std::optional<double>, Int32> rows[] = {
        {1.5, 2.0, 2},
        {2.5, 2.0, 2},
        {-2.5, -2.0, -2},
        {2.4999999999999996, 2.0, 2},
        {-32769.5, -32770.0, -32770},
        {2147483647.5, 2147483648.0, std::nullopt},
        {-2147483648.5, -2147483648.0, -2147483647 - 1},
        {1e300, 1e300, std::nullopt},
        {kNaN, std::nullopt, std::nullopt}};
    for (const auto& [value, rounded, int32] : rows) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
        EXPECT_EQ(ToInt32(value), int32) << value;
    }
}

}  // namespace
}  // namespace aerlith
