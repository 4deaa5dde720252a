// Expected texts from calc_expected.py (and the worked examples for the conversion buttons).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/conversions.h"
#include "tables/text_tables.h"

namespace aerlith {
namespace {

TEST(ModeLetterOf, ConversionCaptions) {
    const std::string letters = "ufnshblkm>toirga~\\";
    for (int button = 0; button < 18; ++button) {
        const std::optional<std::string_view> caption = ConversionCaption(button);
        ASSERT_TRUE(caption) << button;
        EXPECT_EQ(ModeLetterOf(*caption), letters[static_cast<std::size_t>(button)]) << *caption;
    }
    EXPECT_EQ(ModeLetterOf("Pr&essure Altitude"), 'e');
    EXPECT_EQ(ModeLetterOf("Find Wind Dir &- Spd"), '-');
    EXPECT_EQ(ModeLetterOf("No accelerator"), std::nullopt);
    EXPECT_EQ(ModeLetterOf("Trailing&"), std::nullopt);
}

struct ConversionRow {
    const char* name;
    char letter;
    std::string entry;
    std::optional<std::string> expected;
};

TEST(ConvertEntry, Rows) {
    const ConversionRow rows[] = {
        {"BoilingPoint", 'u', "100", "212"},
        {"MinusForty", 'u', "-40", "-40"},
        {"Freezing", 'f', "32", "0"},
        {"ZeroFahrenheit", 'f', "0", "-17.78"},
        {"HundredNm", 'n', "100", "115.2"},
        {"OneNm", 'n', "1", "1.15"},
        {"StandardPressure", 'h', "29.92", "1013.21"},
        {"Kilometres", 'm', "1000", "621.5"},
        {"ExpressionConvertsLeadingNumber", 'n', "2+3", "2.3"},
        {"LeadingBlankAndUnit", 'n', " 12.5 kt", "14.4"},
        {"ErrorTextConvertsZero", 'f', "Oops. - Error (out of Range, division by zero or typo.)  ",
         "-17.78"},
        {"KmToNm", '>', "100", "54"},
        {"FeetToMetres", '\\', "100", "30.48"},
        {"MetresToFeet", '~', "1000", "3281"},
        {"Millibars", 'b', "1013.25", "29.92"},
        {"FactorsNotInverse", 's', "115.2", "100"},
        {"HalfAwayFromZero", 'i', "0.25", "0.06"},
        {"NegativeHalfAwayFromZero", 'i', "-0.25", "-0.06"},
        {"GroupingDropped", 'k', "1000000", "2205000"},
        {"Pounds", 'l', "1", "0.45"},
        {"StatuteToKm", 't', "26.2", "42.16"},
        {"NmToKm", 'o', "0.5", "0.93"},
        {"UsGallons", 'r', "5", "18.93"},
        {"ImperialGallons", 'g', "10", "12.01"},
        {"UsToImperial", 'a', "12", "9.99"},
        {"LetterWithoutRecord", 'z', "5", "0"},
        {"EmptyEntryUnchanged", 'n', "", std::nullopt},
        {"OverflowLeavesEntry", 'h', "1E308", std::nullopt},
        {"CelsiusOverflow", 'u', "1.7E308", std::nullopt},
    };
    for (const ConversionRow& row : rows) {
        EXPECT_EQ(ConvertEntry(row.letter, row.entry), row.expected) << row.name;
    }
}

TEST(ConvertEntry, EnterConvertsTheShownResultAgain) {
    const std::optional<std::string> once = ConvertEntry('n', "115.2");
    ASSERT_EQ(once, "132.71");
    EXPECT_EQ(ConvertEntry('n', *once), "152.88");
}

}  // namespace
}  // namespace aerlith
