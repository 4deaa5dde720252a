#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/expression_check.h"

namespace aerlith {
namespace {

const std::string kPairMessage = "This expression contains an invalid character pair ";

struct CheckRow {
    const char* name;
    std::string text;
    bool refused;
    std::optional<std::string> newEntryText;
};

TEST(CheckExpression, FirstCharacterRule) {
    const CheckRow rows[] = {
        {"ZeroPointFive", "0.5x2", false, std::nullopt},
        {"Zero", "0", false, std::nullopt},
        {"ZeroDivided", "0/2", false, std::nullopt},
        {"SignedPoint", "-.5x2", false, std::nullopt},
        {"SignedGroup", "-(2+3)", false, std::nullopt},
        {"LeadingBlank", " 5", false, std::nullopt},
        {"TwoLeadingBlanks", "  5", false, std::nullopt},
        {"LeadingTab", "\t5", false, std::nullopt},
        {"Point", ".5", false, std::nullopt},
        {"LeadingPlusPasses", "+5", false, std::nullopt},
        {"LeadingZeroDigit", "05", false, std::nullopt},
        {"Group", "(1)", false, std::nullopt},
        {"Empty", "", true, std::nullopt},
        {"OnlyBlanks", "   ", true, std::nullopt},
        {"Times", "x5", true, std::nullopt},
        {"Divide", "/2", true, std::nullopt},
        {"Letter", "abc", true, std::nullopt},
        {"Power", "^2", true, std::nullopt},
        {"Closing", ")1", true, std::nullopt},
        {"CarriageReturnIsNoBlank", "\r5", true, std::nullopt},
    };
    for (const CheckRow& row : rows) {
        const ExpressionCheck check = CheckExpression(row.text);
        EXPECT_EQ(check.refused, row.refused) << row.name;
        EXPECT_EQ(check.newEntryText, row.newEntryText) << row.name;
    }
}

TEST(CheckExpression, InvalidPairs) {
    const CheckRow rows[] = {
        {"PlusTimes", "5+x3", true, kPairMessage + "+x"},
        {"LeftmostReported", "1x)+2++3", true, kPairMessage + "x)"},
        {"OverlappingLeftmost", "1..(2)", true, kPairMessage + ".."},
        {"PairAtStart", "++1", true, kPairMessage + "++"},
        {"PairAtEnd", "1+)", true, kPairMessage + "+)"},
        {"MinusMinusAllowed", "5--3", false, std::nullopt},
        {"OpenMinusAllowed", "(-3)", false, std::nullopt},
        {"TimesMinusAllowed", "2x-3", false, std::nullopt},
        {"DivideMinusAllowed", "6/-2", false, std::nullopt},
        {"PlusMinusAllowed", "5+-3", false, std::nullopt},
    };
    for (const CheckRow& row : rows) {
        const ExpressionCheck check = CheckExpression(row.text);
        EXPECT_EQ(check.refused, row.refused) << row.name;
        EXPECT_EQ(check.newEntryText, row.newEntryText) << row.name;
    }
}

TEST(CheckExpression, EveryInvalidPairIsFound) {
    // The 24 pairs as the message table lists them, each between two digits.
    const char* pairs[] = {"++", "+x", "+/", "-+", "-x", "-/", "/+", "/x", "//", "x+", "xx", "x/",
                           "(x", "(+", "(/", "-)", "x)", "/)", "+)", ")(", ".(", "..", "()", ")."};
    for (const char* pair : pairs) {
        const ExpressionCheck check = CheckExpression(std::string("1") + pair + "1");
        EXPECT_TRUE(check.refused) << pair;
        EXPECT_EQ(check.newEntryText, kPairMessage + pair) << pair;
    }
}

TEST(DropLastChars, RemovesFromTheEnd) {
    struct Row {
        const char* name;
        std::string text;
        std::size_t n;
        std::string expected;
    };
    const Row rows[] = {
        {"OneOfTwo", "12", 1, "1"},
        {"Last", "1", 1, ""},
        {"EmptyStaysEmpty", "", 1, ""},
        {"MoreThanLength", "abc", 5, ""},
        {"ExactlyLength", "abc", 3, ""},
        {"None", "abc", 0, "abc"},
        {"TwoByteCharacter", "5\xc3\xa9", 1, "5"},
        {"FourByteCharacter", "5\xf0\x9f\x98\x80", 1, "5"},
        {"StrayContinuationByte", "a\x80", 1, "a"},
    };
    for (const Row& row : rows) EXPECT_EQ(DropLastChars(row.text, row.n), row.expected) << row.name;
}

}  // namespace
}  // namespace aerlith
