// Expected texts from calc_expected.py; the plain conversions are in the scenario conversions.
#include "calc/conversions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "tables/text_tables.h"

namespace aerlith {
namespace {

TEST(ModeLetterOf, ConversionCaptions) {
    const char* letters = "ufnshblkm>toirga~\\";
    for (int button = 0; button < 18; ++button) {
        EXPECT_EQ(ModeLetterOf(ConversionCaption(button).value_or("")), letters[button]) << button;
    }
    EXPECT_EQ(ModeLetterOf("No accelerator"), std::nullopt);
    EXPECT_EQ(ModeLetterOf("Trailing&"), std::nullopt);
}

TEST(ConvertEntry, Rows) {
    // Name, mode letter, entry text, new entry text (nullopt: the entry stays).
    const std::tuple<const char*, char, std::string, std::optional<std::string>> rows[] = {
        {"expression converts its leading number", 'n', "2+3", "2.3"},
        {"half away from zero", 'i', "0.25", "0.06"},
        {"no grouping", 'k', "1000000", "2205000"},
        {"letter without a record", 'z', "5", "0"},
        {"factor overflow", 'h', "1E308", std::nullopt},
        {"Celsius overflow", 'u', "1.7E308", std::nullopt},
    };
    for (const auto& [name, letter, entry, expected] : rows) {
        EXPECT_EQ(ConvertEntry(letter, entry), expected) << name;
    }
}

}  // namespace
}  // namespace aerlith
