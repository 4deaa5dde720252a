#pragma once
// Writing numbers as text, and the whole-number rounding they share. The decimal separator is
// always "." and the grouping separator always ",", whatever the user's locale.

#include <cstdint>
#include <optional>
#include <string>

namespace aerlith {

/// Zero has no sign in number texts: -0 becomes 0, every other value stays.
inline double WithoutNegativeZero(double value) { return value == 0.0 ? 0.0 : value; }

/// General number form of a double: at most 15 significant digits, no trailing zeros, no point
/// for whole values, "0" before the point below 1, "-" for negatives, no grouping. Magnitudes
/// (after rounding to 15 digits) from 1E15 up and below 1E-4 take an exponent part: mantissa,
/// "E", sign, at least two digits (1E+16, 1.5E-07). Zero (also -0) gives "0". NaN and the
/// infinities give nullopt: producing one is a failed step. So do the few largest doubles
/// (beyond 1.79769313486231E+308 in magnitude), whose 15-digit text would read back as infinite.
std::optional<std::string> FormatGeneral(double value);

/// General number form of a single: as FormatGeneral with 7 significant digits; the exponent
/// part starts from 1E7 up and below 1E-4.
std::optional<std::string> FormatGeneralSingle(float value);

/// Whole-number rounding: nearest whole number, halves to the even neighbour (2.5 -> 2,
/// 3.5 -> 4, -2.5 -> -2). No range limit; nullopt for NaN and the infinities.
std::optional<double> RoundHalfEven(double value);

/// Conversion to a 32-bit integer with whole-number rounding; nullopt on overflow or NaN.
std::optional<std::int32_t> ToInt32(double value);

/// Signed number text of a whole value: the general number form with a blank in the sign
/// place for values of 0 and above (14 -> " 14", -3 -> "-3"). nullopt for NaN and infinities.
std::optional<std::string> SignedNumberText(double value);

/// One-decimal form, the pattern "0.0": at least one digit before the point, exactly one after,
/// rounded to the nearest tenth with halves away from zero, worked on the value's
/// 15-significant-digit decimal text (0.15 -> "0.2", -2.25 -> "-2.3"). A value that rounds to
/// zero shows "0.0" without a sign. nullopt for NaN and infinities.
std::optional<std::string> FormatOneDecimal(double value);

/// Standard form: "," grouping and exactly two decimals, rounded like FormatOneDecimal
/// (1.005 -> "1.01", 1234.5 -> "1,234.50", -0.001 -> "0.00"). nullopt for NaN and infinities
/// and, in both forms, for the magnitudes that FormatGeneral refuses.
std::optional<std::string> FormatStandard(double value);

}  // namespace aerlith
