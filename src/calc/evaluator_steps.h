#pragma once
// The steps of the expression evaluator, one function each. Positions are 1-based character
// positions (0 means "none"), as the rewriting rules count them. Texts are byte strings; every
// character the evaluator accepts is ASCII.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace aerlith {

/// Character code (0..255) at 1-based `position` of `text`; 0 for position 0 or past the end.
int CharCodeAt(std::string_view text, std::size_t position);

/// Removes white space (codes 8, 9, 10, 13, 32) anywhere and checks that every other character
/// is allowed and the brackets balance, a ")" never closing more than was opened. "E" is allowed
/// only as digit, "E", sign, digit. Invalid: `text` is emptied and false returned.
bool CleanExpression(std::string& text);

/// Evaluates a clean text: every bracket group, leftmost first, is replaced by its value (a "x"
/// joins a value to a digit, "." or bracket next to it, so 2(3) is 6), then the operator passes
/// "^" "/" "\" "x" "-" "+" run, and what is left must be one number. On success `text` holds
/// that number's text. Works without recursion, so nesting depth is limited only by memory.
std::optional<double> EvaluateText(std::string& text);

/// One operator pass: replaces the leftmost occurrence of operand, `op`, operand by the result
/// until `op` no longer stands as an operator. A "-" without a left operand is a sign and is
/// skipped; a sign right after "E" is part of an exponent, never an operator. Failure (missing
/// operand, checked arithmetic fails) empties `text` and returns false.
bool ResolveOperator(std::string& text, char op);

/// Reads the operand left (`leftward`) or right of the operator at `position`. Right: a "-"
/// right after the operator belongs to the operand. Left: a "-" right before the operator means
/// no operand; a "-" before the digits is the operand's sign when no number stands left of it.
/// nullopt when there is no operand text or it is not a number.
std::optional<double> ReadOperand(std::string_view text, std::size_t position, bool leftward);

/// Replaces the operator at `position` and the two operands ReadOperand reads, signs included,
/// by `value` in the general number form. Fails (text emptied, false) for a non-finite value or
/// a position outside the text.
bool SpliceResult(std::string& text, std::size_t position, double value);

}  // namespace aerlith
