#include "calc/angles.h"

#include <cmath>

#include "calc/checked_math.h"

namespace aerlith {

std::optional<double> ArcSine(double r) {
    // The closed form divides by zero at the ends of the range; those two are known exactly.
    if (r == 1.0) return kPiPrime / 2;
    if (r == -1.0) return -kPiPrime / 2;
    const auto root = CheckedSqrt(-r * r + 1);
    if (!root) return std::nullopt;
    const auto ratio = CheckedDiv(r, *root);
    if (!ratio) return std::nullopt;
    return Finite(std::atan(*ratio));
}

std::optional<float> VectorAngle(double y, double x) {
    if (!std::isfinite(y) || !std::isfinite(x)) return std::nullopt;
    double degrees = 0;
    if (x != 0) {
        const auto ratio = CheckedDiv(y, x);
        if (!ratio) return std::nullopt;
        const double slope = std::atan(*ratio);
        if (x > 0) {
            degrees = slope * kRadiansToDegrees;
        } else if (y > 0) {
            degrees = (slope + kPiPrime) * kRadiansToDegrees;
        } else if (y < 0) {
            degrees = (slope - kPiPrime) * kRadiansToDegrees;
        } else {
            degrees = 180;
        }
    } else if (y > 0) {
        degrees = 90;
    } else if (y < 0) {
        degrees = -90;
    }
    return CheckedSingle(degrees * kDegreesToRadians);
}

double NormalizeAngle(double angle) {
    constexpr double kTurn = 2 * kPiPrime;
    if (angle < 0) angle += kTurn;
    if (angle > kTurn) angle -= kTurn;
    return angle;
}

std::optional<double> ArcCosine(double x) {
    if (std::isnan(x)) return std::nullopt;
    // Rounding carries the cosine of a due-south course to about -1.0000000000000033.
    if (x <= -1.0) return kPiPrime;
    if (x >= 1.0) return 0.0;
    const auto root = CheckedSqrt(-x * x + 1.0);
    if (!root) return std::nullopt;
    const auto quotient = CheckedDiv(-x, *root);
    if (!quotient) return std::nullopt;
    return std::atan(*quotient) + 2.0 * std::atan(1.0);
}

double IntoCompassRange(double degrees) {
    double inRange = std::fmod(degrees, 360.0);
    if (inRange <= 0.0) inRange += 360.0;
    return inRange;
}

}  // namespace aerlith
