#pragma once
// The expression evaluator of the keypad: arithmetic with brackets, "^", "/", "\", "x", "-" and
// "+", evaluated by rewriting the text pass by pass. The steps are in evaluator_steps.h.

#include <optional>
#include <string_view>

namespace aerlith {

/// Evaluates the arithmetic typed on the keypad. White space (backspace, tab, line feed, carriage
/// return, blank) is ignored anywhere; the allowed characters are digits, ",", ".", "(", ")",
/// the operators "^", "/", "\" (integer division of the operands rounded half-to-even), "x"
/// (multiplication), "-", "+", and "E" only inside an exponent part "digit E sign digit" as in a
/// shown 1E+20. Every intermediate result is written back with 15 significant digits. Returns the
/// value, always finite, or nullopt for any failure: a bad character, unbalanced brackets, a
/// missing operand, an operand that is not a number, division by zero, overflow, a power without
/// a real result, a "\" operand outside the 32-bit range. Never throws.
std::optional<double> EvaluateExpression(std::string_view text);

}  // namespace aerlith
