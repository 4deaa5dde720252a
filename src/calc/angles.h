#pragma once
// Angle helpers shared by the flight-computer formulas and the distance computation: the
// program's own value of pi, the degree/radian factors, and the arc sine and cosine, vector
// direction, normalisation and compass range built on them.

#include <optional>

namespace aerlith {

/// The value of pi used throughout, 15 significant digits.
inline constexpr double kPiPrime = 3.14159265358979;
/// Degrees to radians, kPiPrime / 180; applied to every angle read from a value box.
inline constexpr double kDegreesToRadians = 0.017453292519943278;
/// Radians to degrees, 180 / kPiPrime; applied to every angle shown.
inline constexpr double kRadiansToDegrees = 57.29577951308238;

/// Arc sine of `r` in radians, computed as atan(r / sqrt(-r*r + 1)). r = 1 and r = -1 give
/// kPiPrime / 2 and -kPiPrime / 2. nullopt when |r| > 1 or r is not a number.
std::optional<double> ArcSine(double r);

/// Direction in radians of the vector (x, y), measured from the x axis towards the y axis, in
/// (-kPiPrime, kPiPrime]: worked out in degrees by quadrant, converted with kDegreesToRadians and
/// held in single precision. (0, 0) gives 0; the negative x axis gives kPiPrime as a single.
/// nullopt when an input is not finite or an intermediate quotient overflows.
std::optional<float> VectorAngle(double y, double x);

/// Brings an angle in radians towards [0, 2 * kPiPrime]: adds 2 * kPiPrime once when it is below
/// 0, then subtracts 2 * kPiPrime once when it is above. Exactly 2 * kPiPrime stays (a direction
/// may show as 360); angles further out are moved by one turn only.
double NormalizeAngle(double angle);

/// Arc cosine of `x` in radians, computed as atan(-x / sqrt(-x*x + 1)) + 2*atan(1). The argument
/// is first brought into -1..1 (rounding can carry it just past either end); -1 gives
/// kPiPrime, 1 gives 0. nullopt only when `x` is not a number.
std::optional<double> ArcCosine(double x);

/// A direction in degrees brought into the compass range above 0 up to 360: 0 is north and
/// shows as 360, 373 gives 13, -5 gives 355.
double IntoCompassRange(double degrees);

}  // namespace aerlith
