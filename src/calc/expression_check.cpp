#include "calc/expression_check.h"

#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {
namespace {

// The leftmost two characters of `text` that form an entry of the invalid-pair table.
std::optional<std::string_view> FindInvalidPair(std::string_view text) {
    for (std::size_t p = 0; p + 1 < text.size(); ++p) {
        const std::string_view candidate = text.substr(p, 2);
        for (int j = 1; j < kInvalidPairCount; ++j) {
            const std::optional<std::string_view> pair = InvalidPair(j);
            if (pair && *pair == candidate) return candidate;
        }
    }
    return std::nullopt;
}

// The blanks the leading-number reading skips.
bool IsLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// An expression may only begin like a number or a bracket group; a leading "+" passes here and
// fails in the evaluator.
bool StartsLikeExpression(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsLeadingBlank(text[i])) ++i;
    if (i == text.size()) return false;
    const char c = text[i];
    return (c >= '0' && c <= '9') || c == '.' || c == '(' || c == '-' || c == '+';
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }
bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0xC0U; }

// Length of the last character of the non-empty `text`: a lead byte with up to three
// continuation bytes after it, or a single byte otherwise (stray bytes go one at a time).
std::size_t LastCharLength(std::string_view text) {
    std::size_t length = 1;
    while (length < 4 && length < text.size() && IsContinuationByte(text[text.size() - length])) {
        ++length;
    }
    if (length > 1 && IsLeadByte(text[text.size() - length])) return length;
    return 1;
}

}  // namespace

ExpressionCheck CheckExpression(std::string_view entryText) {
    ExpressionCheck check;
    if (const std::optional<std::string_view> pair = FindInvalidPair(entryText)) {
        check.refused = true;
        check.newEntryText = std::string(Message(msg::kInvalidPairMessage)) + std::string(*pair);
    }
    // The first-character rule looks at what the entry box shows now, the pair message if any.
    const std::string_view shown = check.newEntryText ? *check.newEntryText : entryText;
    if (!StartsLikeExpression(shown)) check.refused = true;
    return check;
}

std::string DropLastChars(std::string_view text, std::size_t n) {
    for (std::size_t i = 0; i < n && !text.empty(); ++i) {
        text.remove_suffix(LastCharLength(text));
    }
    return std::string(text);
}

}  // namespace aerlith
