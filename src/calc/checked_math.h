#pragma once
// Checked double arithmetic: an operation whose result is not a finite number fails (nullopt),
// so a step built on these either takes effect with a real number or has no effect at all.
// Underflow to zero and inexact results are not failures.

#include <cmath>
#include <optional>

namespace aerlith {

/// `value` when it is finite; nullopt for NaN and the infinities.
inline std::optional<double> Finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

inline std::optional<double> CheckedAdd(double a, double b) { return Finite(a + b); }
inline std::optional<double> CheckedSub(double a, double b) { return Finite(a - b); }
inline std::optional<double> CheckedMul(double a, double b) { return Finite(a * b); }

/// a / b; division by zero fails (also 0 / 0), as does an overflowing quotient.
inline std::optional<double> CheckedDiv(double a, double b) {
    if (b == 0.0) return std::nullopt;
    return Finite(a / b);
}

/// a raised to b; fails without a real result (negative base, fractional exponent), for 0 to a
/// negative power, and on overflow.
inline std::optional<double> CheckedPow(double a, double b) { return Finite(std::pow(a, b)); }

/// Square root; fails for negative arguments.
inline std::optional<double> CheckedSqrt(double a) {
    if (a < 0.0) return std::nullopt;
    return Finite(std::sqrt(a));
}

/// Natural logarithm; fails for zero and negative arguments.
inline std::optional<double> CheckedLog(double a) {
    if (a <= 0.0) return std::nullopt;
    return Finite(std::log(a));
}

/// Rounds to single precision as a stored single would be; fails when the value leaves the
/// single range (overflow to infinity).
inline std::optional<float> CheckedSingle(double a) {
    // Halfway between the largest single and 2^128: from here up, rounding gives infinity.
    constexpr double kSingleOverflow = 3.4028235677973366e38;
    if (!std::isfinite(a)) return std::nullopt;
    if (std::fabs(a) >= kSingleOverflow) return std::nullopt;
    return static_cast<float>(a);
}

}  // namespace aerlith
