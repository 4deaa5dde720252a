#include "tables/text_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include "tables/ascii_text.h"

namespace aerlith {
namespace {

// The entry lengths listed for the message table, counted apart from the texts: an entry moved
// to another number or edited shows here. Entries whose length the table asserts are left out.
TEST(MessageTable, EntriesHaveTheListedLengths) {
    const std::pair<int, std::size_t> listed[] = {
        {10, 48}, {11, 20}, {12, 98}, {13, 95}, {14, 46}, {16, 99}, {17, 97}, {18, 35},  {19, 94},
        {20, 54}, {21, 20}, {22, 20}, {23, 20}, {24, 22}, {25, 19}, {26, 18}, {27, 17},  {28, 14},
        {29, 9},  {30, 57}, {31, 25}, {32, 21}, {33, 24}, {34, 16}, {35, 27}, {36, 22},  {37, 53},
        {38, 24}, {39, 23}, {40, 8},  {41, 12}, {42, 10}, {43, 12}, {44, 14}, {45, 27},  {46, 23},
        {47, 0},  {48, 12}, {49, 18}, {50, 22}, {51, 16}, {52, 17}, {53, 22}, {54, 28},  {55, 19},
        {56, 26}, {57, 30}, {58, 51}, {59, 28}, {60, 14}, {61, 14}, {62, 12}, {63, 14},  {65, 14},
        {66, 10}, {67, 26}, {68, 31}, {69, 29}, {70, 30}, {71, 26}, {72, 29}, {78, 104}, {79, 58},
        {80, 0},  {0, 0},
    };
    for (const auto& [index, length] : listed) {
        EXPECT_EQ(MessageEntry(index).value_or("?").size(), length) << "entry " << index;
    }
    EXPECT_EQ(MessageEntry(-1), std::nullopt);
    EXPECT_EQ(MessageEntry(81), std::nullopt);
    EXPECT_EQ(Message(81), "");
}

TEST(TextTables, PiecesAreCutAtTheirPlaces) {
    EXPECT_EQ(LetterPair(1), "ON");
    EXPECT_EQ(LetterPair(165), "KE");
    EXPECT_EQ(LetterPair(166), std::nullopt);
    EXPECT_EQ(InvalidPair(25), std::nullopt);
    EXPECT_EQ(ConversionCaption(0), "Celsi&us - F");     // padding trimmed
    EXPECT_EQ(ConversionCaption(17), "Feet &\\Metres");  // the last field is not padded
    EXPECT_EQ(ConversionCaption(18), std::nullopt);
    EXPECT_EQ(KeypadCaption(0), '7');
    EXPECT_EQ(KeypadCaption(19), '(');
    EXPECT_EQ(KeypadCaption(20), std::nullopt);
    EXPECT_EQ(Setting(8), std::nullopt);
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
