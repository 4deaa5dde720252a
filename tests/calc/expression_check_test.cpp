#include "calc/expression_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace aerlith {
namespace {

const std::string kPairMessage = "This expression contains an invalid character pair ";

TEST(CheckExpression, FirstCharacterAndPairs) {
    // Name, text, refused, new entry text.
    const std::tuple<const char*, std::string, bool, std::optional<std::string>> rows[] = {
        {"zero", "0.5x2", false, std::nullopt},
        {"nine", "9", false, std::nullopt},
        {"signed group", "-(2+3)", false, std::nullopt},
        {"blank, tab and line feed first", " \t\n5", false, std::nullopt},
        {"point", ".5", false, std::nullopt},
        {"plus passes here", "+5", false, std::nullopt},
        {"group", "(1)", false, std::nullopt},
        {"empty", "", true, std::nullopt},
        {"only blanks", "   ", true, std::nullopt},
        {"times", "x5", true, std::nullopt},
        {"closing", ")1", true, std::nullopt},
        {"character before the digits", "/2", true, std::nullopt},
        {"character after the digits", ":2", true, std::nullopt},
        {"carriage return is no blank", "\r5", true, std::nullopt},
        {"leftmost pair reported", "1x)+2++3", true, kPairMessage + "x)"},
        {"overlapping pairs", "1..(2)", true, kPairMessage + ".."},
        {"pair at the start", "++1", true, kPairMessage + "++"},
        {"pair at the end", "1+)", true, kPairMessage + "+)"},
        {"sign after an operator", "5--3x-2/-1+-1", false, std::nullopt},
        {"sign after a bracket", "(-3)", false, std::nullopt},
    };
    for (const auto& [name, text, refused, newEntryText] : rows) {
        EXPECT_EQ(CheckExpression(text).refused, refused) << name;
        EXPECT_EQ(CheckExpression(text).newEntryText, newEntryText) << name;
    }
}

TEST(DropLastChars, RemovesWholeCharactersFromTheEnd) {
    EXPECT_EQ(DropLastChars("12", 1), "1");
    EXPECT_EQ(DropLastChars("abc", 0), "abc");
    EXPECT_EQ(DropLastChars("abc", 5), "") << "more than the length";
    EXPECT_EQ(DropLastChars("", 1), "");
    EXPECT_EQ(DropLastChars("5\xc3\xa9", 1), "5") << "two-byte character";
    EXPECT_EQ(DropLastChars("5\xf0\x9f\x98\x80", 1), "5") << "four-byte character";
    EXPECT_EQ(DropLastChars("a\x80", 1), "a") << "stray continuation byte";
    EXPECT_EQ(DropLastChars("\xc3!", 1), "\xc3") << "stray lead byte";
    EXPECT_EQ(DropLastChars("a\xf0\x80\x80\x80\x80", 1), "a\xf0\x80\x80\x80")
        << "at most four bytes";
}

}  // namespace
}  // namespace aerlith
