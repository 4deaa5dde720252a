#include "tables/text_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <tuple>

#include "tables/ascii_text.h"

namespace aerlith {
namespace {

TEST(TextTables, PiecesAreCutAtTheirPlaces) {
    EXPECT_EQ(LetterPair(166), std::nullopt);
    EXPECT_EQ(InvalidPair(25), std::nullopt);
    EXPECT_EQ(ConversionCaption(0), "Celsi&us - F");     // padding trimmed
    EXPECT_EQ(ConversionCaption(17), "Feet &\\Metres");  // the last field is not padded
    EXPECT_EQ(ConversionCaption(18), std::nullopt);
    EXPECT_EQ(KeypadCaption(19), '(');
    EXPECT_EQ(KeypadCaption(20), std::nullopt);
    EXPECT_EQ(Setting(8), std::nullopt);
    EXPECT_EQ(MessageEntry(-1), std::nullopt);
    EXPECT_EQ(MessageEntry(81), std::nullopt);
    EXPECT_EQ(Message(81), "");
}

TEST(AsciiText, TrimAndUpperCase) {
    // Name, text, blank set, without trailing blanks, without blanks at either end.
    using Text = std::string_view;
    const std::tuple<const char*, Text, Text, Text, Text> rows[] = {
        {"both sides", "  AB C  ", " ", "  AB C", "AB C"},
        {"custom blank set", "\t A\t ", " \t", "\t A", "A"},
        {"tab is no blank by default", "\tA ", " ", "\tA", "\tA"},
        {"all blank", "   ", " ", "", ""},
        {"empty", "", " ", "", ""},
    };
    for (const auto& [name, text, blanks, trailingTrimmed, trimmed] : rows) {
        EXPECT_EQ(TrimTrailingBlanks(text, blanks), trailingTrimmed) << name;
        EXPECT_EQ(TrimBlanks(text, blanks), trimmed) << name;
    }
    EXPECT_EQ(UpperAscii("az AZ `{@[09\xe9"), "AZ AZ `{@[09\xe9");
    EXPECT_TRUE(IsDigit('0') && IsDigit('9') && !IsDigit('/') && !IsDigit(':'));
}

}  // namespace
}  // namespace aerlith
