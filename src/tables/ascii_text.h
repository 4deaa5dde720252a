#pragma once
// Small helpers over ASCII text, shared by every module that reads the tables, the aerodrome
// file or the user's typing. Bytes beyond ASCII are never digits, blanks or letters here.

#include <string>
#include <string_view>

namespace aerlith {

/// True for the digits 0 to 9, given as a character or as a character code.
constexpr bool IsDigit(int c) { return c >= '0' && c <= '9'; }

/// The upper-case form of a lower-case ASCII letter; every other character as it is.
constexpr char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// The lower-case form of an upper-case ASCII letter; every other character as it is.
constexpr char ToLowerAscii(char letter) {
    if (letter >= 'A' && letter <= 'Z') return static_cast<char>(letter - 'A' + 'a');
    return letter;
}

/// `text` with its ASCII letters in upper case.
inline std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = ToUpperAscii(c);
    return upper;
}

/// `text` without the characters of `blanks` at its end ("  AB  " -> "  AB"). The aerodrome
/// file's identifier keeps the blank before a three-letter identifier this way.
constexpr std::string_view TrimTrailingBlanks(std::string_view text,
                                              std::string_view blanks = " ") {
    const auto last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

/// `text` without the characters of `blanks` at either end ("  AB  " -> "AB").
constexpr std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return TrimTrailingBlanks(text.substr(first), blanks);
}

}  // namespace aerlith
