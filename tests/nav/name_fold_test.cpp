#include "nav/name_fold.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace aerlith {
namespace {

std::string Outcome(const FoldResult& result) {
    return result.text ? *result.text : "refused: " + result.problem;
}

TEST(FoldForAerodromeFile, FoldsWhatTheFileCannotHold) {
    // Name, UTF-8 text, folded text or "refused: " and the problem. The rows of whole blocks list
    // every letter whose canonical decomposition is an ASCII letter and accents, with that letter
    // in upper case (Python's unicodedata). A plain accented name and a letter with no ASCII
    // form: vdats_tool_encode_utf8.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"identifier counted after folding", "ÉCO1", "ECO1"},
        {"Latin-1 Supplement letters with accents",
         "ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝàáâãäåçèéêëìíîïñòóôõöùúûüýÿ",
         "AAAAAACEEEEIIIINOOOOOUUUUYAAAAAACEEEEIIIINOOOOOUUUUYY"},
        {"Latin Extended-A letters with accents",
         "ĀāĂăĄąĆćĈĉĊċČčĎďĒēĔĕĖėĘęĚěĜĝĞğĠġĢģĤĥĨĩĪīĬĭĮįİĴĵĶķĹĺĻļĽľŃńŅņŇňŌōŎŏŐőŔŕŖŗŘřŚśŜŝŞşŠšŢţŤťŨũŪ"
         "ūŬŭŮůŰűŲųŴŵŶŷŸŹźŻżŽž",
         "AAAAAACCCCCCCCDDEEEEEEEEEEGGGGGGGGHHIIIIIIIIIJJKKLLLLLLNNNNNNOOOOOORRRRRRSSSSSSSSTTTTUUUU"
         "UUUUUUUUWWYYYZZZZZZ"},
        {"letters with a stroke", "ĐđĦħŁłŦŧØø", "DDHHLLTTOO"},
        {"sharp s and ligatures", "ßÆæŒœ", "SSAEAEOEOE"},
        {"dotless i and long s", "ıſ", "IS"},
        {"accents already decomposed", "Montre\u0301al e\u0300\u036f", "MONTREAL E"},
        {"dashes", "\u2010\u2011\u2012\u2013\u2014\u2015", "------"},
        {"single quotes", "\u2018\u2019\u201a\u201b", "''''"},
        {"double quotes", "\u201c\u201d\u201e", "\"\"\""},
        {"ASCII raised, the punctuation before Z kept", "st. john's (n.l.) 1@",
         "ST. JOHN'S (N.L.) 1@"},
        {"past the Basic Multilingual Plane", "\U0001F6E9",
         "refused: holds \"\U0001F6E9\" (U+1F6E9), which has no ASCII form the file can hold"},
        {"the last code point is UTF-8 all the same", "\U0010FFFF",
         "refused: holds \"\U0010FFFF\" (U+10FFFF), which has no ASCII form the file can hold"},
        {"after Z", "a_b",
         "refused: holds \"_\", which comes after \"Z\": the file holds letters, digits, "
         "blanks and the ASCII punctuation before \"Z\""},
        {"control character", "a\tb", "refused: holds the control character U+0009"},
        {"delete", "a\x7f", "refused: holds the control character U+007F"},
        {"Latin-1 byte", "Mont\xe9\x61l", "refused: is not UTF-8: byte 0xE9 after \"Mont\""},
    };
    for (const auto& [name, text, outcome] : cases) {
        EXPECT_EQ(Outcome(FoldForAerodromeFile(text)), outcome) << name;
    }
}

TEST(FoldForAerodromeFile, RefusesEveryOtherCharacterAndMalformedText) {
    // Each character next to a folded run, without a canonical decomposition into an ASCII letter
    // and accents, names its own row; then malformed UTF-8.
    for (const char* character :
         {"×", "Þ", "ð", "÷",      "þ",      "Ĳ",      "ĳ",      "ĸ",      "Ŀ",      "ŀ",     "ŉ",
          "Ŋ", "ŋ", "ƀ", "\u02ff", "\u0370", "\u200f", "\u2016", "\u2017", "\u201f", "\u00a0"}) {
        EXPECT_FALSE(FoldForAerodromeFile(character).text) << character;
    }
    const std::tuple<const char*, const char*> malformed[] = {
        {"stray continuation byte", "\x80"},      {"cut short", "\xc3"},
        {"continuation missing", "\xc3\x41"},     {"overlong", "\xc0\xa9"},
        {"overlong three bytes", "\xe0\x80\xa9"}, {"surrogate", "\xed\xa0\x80"},
        {"past U+10FFFF", "\xf4\x90\x80\x80"},    {"five-byte lead", "\xf8\x88\x80\x80\x80"},
    };
    for (const auto& [name, text] : malformed) {
        EXPECT_FALSE(FoldForAerodromeFile(text).text) << name;
    }
}

}  // namespace
}  // namespace aerlith
