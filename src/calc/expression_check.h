#pragma once
// The check an expression passes before the '=' key evaluates it, and the trimming used by the
// '<' key.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace aerlith {

/// Outcome of CheckExpression: whether the expression is refused, and the text the entry box
/// must show instead when an invalid character pair was found.
struct ExpressionCheck {
    bool refused = false;
    std::optional<std::string> newEntryText;
};

/// Checks the entry box text before evaluation. The leftmost two-character sequence found in the
/// invalid-pair table ("++", "x)", "..." and the rest) refuses the text and gives the new entry
/// text "This expression contains an invalid character pair " followed by that pair. Then the
/// (possibly replaced) text is refused when it is empty after its leading blanks, tabs and line
/// feeds, or its first other character is not a digit, ".", "(", "-" or "+". So 0.5x2, -(2+3),
/// " 5" and +5 pass; "", x5, /2 and letters are refused.
ExpressionCheck CheckExpression(std::string_view entryText);

/// `text` without its last `n` characters; the empty text when `n` reaches its length. A
/// character is one UTF-8 code point: its continuation bytes go with it.
std::string DropLastChars(std::string_view text, std::size_t n);

}  // namespace aerlith
