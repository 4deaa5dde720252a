#include "tables/text_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "tables/maker.h"

namespace aerlith {
namespace {

struct EntryLength {
    int index;
    std::size_t length;
};

// The lengths listed for the message table, counted separately from the texts themselves.
const EntryLength kListedLengths[] = {
    {8, 331}, {9, 49},   {10, 48},  {11, 20},  {12, 98},  {13, 95},  {14, 46},  {15, 251}, {16, 99},
    {17, 97}, {18, 35},  {19, 94},  {20, 54},  {21, 20},  {22, 20},  {23, 20},  {24, 22},  {25, 19},
    {26, 18}, {27, 17},  {28, 14},  {29, 9},   {30, 57},  {31, 25},  {32, 21},  {33, 24},  {34, 16},
    {35, 27}, {36, 22},  {37, 53},  {38, 24},  {39, 23},  {40, 8},   {41, 12},  {42, 10},  {43, 12},
    {44, 14}, {45, 27},  {46, 23},  {48, 12},  {49, 18},  {50, 22},  {51, 16},  {52, 17},  {53, 22},
    {54, 28}, {55, 19},  {56, 26},  {57, 30},  {58, 51},  {59, 28},  {60, 14},  {61, 14},  {62, 12},
    {63, 14}, {64, 176}, {65, 14},  {66, 10},  {67, 26},  {68, 31},  {69, 29},  {70, 30},  {71, 26},
    {72, 29}, {73, 324}, {74, 297}, {75, 320}, {76, 562}, {77, 167}, {78, 104}, {79, 58},
};

class MessageLength : public testing::TestWithParam<EntryLength> {};

TEST_P(MessageLength, MatchesTheListedLength) {
    const auto entry = MessageEntry(GetParam().index);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->size(), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Listed, MessageLength, testing::ValuesIn(kListedLengths),
                         [](const testing::TestParamInfo<EntryLength>& paramInfo) {
                             return "Entry" + std::to_string(paramInfo.param.index);
                         });

TEST(MessageTable, UnusedEntriesAreEmpty) {
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 47, 80}) {
        const auto entry = MessageEntry(index);
        ASSERT_TRUE(entry.has_value()) << index;
        EXPECT_TRUE(entry->empty()) << index;
    }
}

TEST(MessageTable, SelectedTextsAreExact) {
    struct Row {
        const char* name;
        int index;
        std::string_view text;
    };
    const Row rows[] = {
        {"window title", 10, " Aerlith Zizivu Zudado - Vedudoru Dozivozavi 4.0"},
        {"keypad captions", 11, "7410852.963C/x-+<=)("},
        {"error text with two trailing blanks", 30,
         "Oops. - Error (out of Range, division by zero or typo.)  "},
        {"question with six trailing blanks", 35, "Do you want this one?      "},
        {"prompt closing", 45, " then Click the '=' button."},
        {"magnetic course label", 55, "    Magnetic Crs = "},
        {"true course label", 72, " (NM/SM)  Initial True Crs = "},
        {"unreadable database", 79, "Sorry, the aerodrome database vdats.tst could not be read."},
    };
    for (const Row& row : rows) EXPECT_EQ(Message(row.index), row.text) << row.name;
}

TEST(MessageTable, SameTextsKeepSeparateEntries) {
    EXPECT_EQ(Message(43), " True Course");
    EXPECT_EQ(Message(62), " True Course");
    EXPECT_EQ(Message(44), " True Airspeed");
    EXPECT_EQ(Message(63), " True Airspeed");
}

TEST(MessageTable, HelpClosingEndsWithTheContactAddress) {
    const std::string expected = std::string(" For more info click or tap on 'How to Use This") +
                                 " Software' in the Main Menu, or 'Help With This Software" +
                                 " Index' in the Help Classroom, or contact us at " +
                                 std::string(maker::kEmail) + ".";
    EXPECT_EQ(Message(77), expected);
    EXPECT_EQ(maker::kEmail, "hi@aerlith.test");
}

TEST(MessageTable, WindowTitleGivesFourBlanksAfterThreeAdded) {
    const std::string title = "   " + std::string(Message(10));
    EXPECT_EQ(title.find_first_not_of(' '), 4u);
    EXPECT_EQ(title.substr(4, 7), "Aerlith");
}

TEST(MessageTable, FactorRecordsFollowTheConversionButtons) {
    const std::string_view factors = Message(64);
    ASSERT_EQ(factors.size(), 16u * 11u);
    for (int button = 2; button < 18; ++button) {
        const auto caption = ConversionCaption(button);
        ASSERT_TRUE(caption.has_value());
        const std::size_t amp = caption->find('&');
        ASSERT_NE(amp, std::string_view::npos) << *caption;
        const char mode = static_cast<char>(std::tolower((*caption)[amp + 1]));
        const std::string_view record =
            factors.substr(static_cast<std::size_t>(button - 2) * 11, 11);
        EXPECT_EQ(record[0], mode) << *caption;
        EXPECT_EQ(record[3], '.') << *caption;
        EXPECT_EQ(factors.find(mode), static_cast<std::size_t>(button - 2) * 11)
            << "mode letter must occur once, at its record: " << *caption;
    }
}

TEST(MessageTable, AccessOutsideTheTableFails) {
    EXPECT_FALSE(MessageEntry(-1).has_value());
    EXPECT_FALSE(MessageEntry(81).has_value());
    EXPECT_TRUE(MessageEntry(80).has_value());
    EXPECT_EQ(Message(-1), "");
    EXPECT_EQ(Message(81), "");
}

TEST(LetterPairs, AreCutInOrderWithoutTheLeadingBlank) {
    EXPECT_EQ(LetterPair(0), std::string_view{});
    EXPECT_EQ(LetterPair(1), "ON");
    EXPECT_EQ(LetterPair(2), "BC");
    EXPECT_EQ(LetterPair(3), "CY");
    EXPECT_EQ(LetterPair(165), "KE");
    std::string joined = " ";
    for (int i = 1; i < kLetterPairCount; ++i) {
        const auto pair = LetterPair(i);
        ASSERT_TRUE(pair.has_value()) << i;
        ASSERT_EQ(pair->size(), 2u) << i;
        EXPECT_EQ(pair->find(' '), std::string_view::npos) << i;
        joined += *pair;
    }
    EXPECT_EQ(joined, Message(8));
    EXPECT_FALSE(LetterPair(-1).has_value());
    EXPECT_FALSE(LetterPair(166).has_value());
}

TEST(InvalidPairs, AreTheTwentyFourPairs) {
    const std::vector<std::string_view> expected = {
        "++", "+x", "+/", "-+", "-x", "-/", "/+", "/x", "//", "x+", "xx", "x/",
        "(x", "(+", "(/", "-)", "x)", "/)", "+)", ")(", ".(", "..", "()", ").",
    };
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kInvalidPairCount - 1));
    EXPECT_EQ(InvalidPair(0), std::string_view{});
    for (int i = 1; i < kInvalidPairCount; ++i) {
        EXPECT_EQ(InvalidPair(i), expected[static_cast<std::size_t>(i - 1)]) << i;
    }
    EXPECT_FALSE(InvalidPair(-1).has_value());
    EXPECT_FALSE(InvalidPair(25).has_value());
}

TEST(ConversionCaptions, AreTheTrimmedFields) {
    const std::string_view expected[] = {
        "Celsi&us - F",  "&F - Celsius",  "&NM - SM",       "&SM - NM",       "&Hg - Mb",
        "M&b - Hg",      "&Lbs - Kg",     "&Kg - Lbs",      "K&m - SM",       "Km &> NM",
        "SM &to Km",     "NM t&o Km",     "L&itres-ImpGal", "US Gal-Lit&res", "Imp&Gal-USGal",
        "USG&al-ImpGal", "Metres &~Feet", "Feet &\\Metres",
    };
    for (int button = 0; button < 18; ++button) {
        EXPECT_EQ(ConversionCaption(button), expected[button]) << button;
    }
    // The full fields meet without a blank between them; the last field is one short.
    EXPECT_EQ(Message(15).substr(14 * 12, 28), "L&itres-ImpGalUS Gal-Lit&res");
    EXPECT_EQ(Message(15).substr(14 * 17), "Feet &\\Metres");
    EXPECT_EQ(Message(15).substr(0, 14), "Celsi&us - F  ");
    EXPECT_FALSE(ConversionCaption(-1).has_value());
    EXPECT_FALSE(ConversionCaption(18).has_value());
}

TEST(KeypadCaptions, FollowTheColumnOrder) {
    // Rows of the key grid, top to bottom, with the key numbers of each caption.
    struct Row {
        const char* name;
        int keys[5];
        const char* captions;
    };
    const Row grid[] = {
        {"top", {0, 4, 8, 12, 16}, "789/<"},
        {"second", {1, 5, 9, 13, 17}, "456x="},
        {"third", {2, 6, 10, 14, 18}, "123-)"},
        {"bottom", {3, 7, 11, 15, 19}, "0.C+("},
    };
    for (const Row& row : grid) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(KeypadCaption(row.keys[column]), row.captions[column]) << row.name;
        }
    }
    EXPECT_FALSE(KeypadCaption(-1).has_value());
    EXPECT_FALSE(KeypadCaption(20).has_value());
}

TEST(Settings, HoldTheStartValues) {
    const std::string_view expected[] = {"", "0", "", "OFF", "", "Tahoma", "", ""};
    for (int i = 0; i < kSettingCount; ++i) EXPECT_EQ(Setting(i), expected[i]) << i;
    EXPECT_FALSE(Setting(-1).has_value());
    EXPECT_FALSE(Setting(8).has_value());
}

}  // namespace
}  // namespace aerlith
