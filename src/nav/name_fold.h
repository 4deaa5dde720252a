#pragma once
// What people type for an aerodrome (UTF-8, accents and typographic punctuation included) brought
// to what a name line of the aerodrome file can hold: upper-case ASCII from blank to "Z".

#include <optional>
#include <string>
#include <string_view>

namespace aerlith {

/// A text ready for the aerodrome file, or why it cannot be.
struct FoldResult {
    std::optional<std::string> text;  ///< every character from blank to "Z"
    std::string problem;              ///< empty when text holds the result
};

/// Folds UTF-8 text to what a name line holds. Letters of U+00C0 to U+017F that decompose into
/// a base letter and accents keep the base letter ("é" -> "E", "Ž" -> "Z"), and so do the letters
/// with a stroke (Đ Ħ Ł Ŧ Ø -> D H L T O); combining accents (U+0300 to U+036F, text already
/// decomposed) are dropped; U+2010 to U+2015 become "-", U+2018 to U+201B "'", U+201C to U+201E
/// '"'; ß becomes "SS", Æ "AE", Œ "OE", dotless ı "I", long ſ "S", lower case and upper case
/// alike. Then ASCII letters are raised. The result's length is counted in characters, as stored.
/// Refused, with the character or byte in the problem text: malformed UTF-8, any other character
/// beyond ASCII, a control character, and "[", "\", "]", "^", "_", "`", "{", "|", "}", "~", which
/// the file would read as letter pairs.
FoldResult FoldForAerodromeFile(std::string_view utf8);

}  // namespace aerlith
