#pragma once
// Distance and courses between two aerodromes of the file: great-circle distance on a sphere
// whose minute of arc is one nautical mile, the initial true course, and the magnetic courses
// with the variation at each end. West longitudes and west variations are positive.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "nav/aerodrome_search.h"

namespace aerlith {

/// Statute miles per nautical mile.
inline constexpr double kStatuteMilesPerNauticalMile = 1.152;

/// One leg between two positions.
struct Leg {
    float distanceNm = 0;      ///< rounded to one decimal
    float distanceSm = 0;      ///< 1.152 times distanceNm, rounded again to one decimal
    double trueCourseDeg = 0;  ///< initial true course, one decimal, above 0 up to 360
};

/// Distance and initial true course from origin to destination (degrees, north and west
/// positive, as held in single precision). nullopt when the distance rounds to 0.0 nautical
/// miles (the positions coincide), when no course can be worked out (the origin at a pole) or
/// when a step gives no finite number.
std::optional<Leg> ComputeLeg(float originLatDeg, float originLonDeg, float destLatDeg,
                              float destLonDeg);

/// Magnetic course in degrees: the true course plus the variation (west positive), brought into
/// the range above 0 up to 360 (373 -> 13, -5 -> 355, 0 -> 360) and kept to one decimal.
/// nullopt for values that are not finite.
std::optional<double> MagneticCourse(double trueCourseDeg, float variationWestDeg);

/// What the cross-country function came to.
enum class CrossCountryOutcome {
    kLeg,                    ///< both aerodromes found and the leg between them worked out
    kWrongIdentifierLength,  ///< an identifier has not 3 or 4 characters; the file is not read
    kUnreadable,             ///< the file could not be read
    kNotFound,               ///< an identifier not found, or every candidate declined
    kNoLeg,  ///< the same record twice, coincident positions or a course that cannot be worked out
};

/// The cross-country function's outcome and the entry box text that reports it.
struct CrossCountryResult {
    CrossCountryOutcome outcome = CrossCountryOutcome::kNoLeg;
    std::string entryText;
};

/// The cross-country function: finds the origin and then the destination by identifier
/// (FindAerodrome, one search each; the destination only once an origin is taken), asking
/// `acceptCandidate` about the candidates of an identifier that several records answer, and
/// writes the result line
/// "   ORIG  to DEST     Dist = NM/SM (NM/SM)  Initial True Crs = TC    Magnetic Crs = M1 /M2?"
/// where each identifier keeps its trailing blank and the final "?" is state.noVariationMark.
/// A refusal writes the message of its outcome: msg::kWrongIdentifierLength,
/// msg::kDatabaseUnreadable, msg::kNotFound, or msg::kRefusal when there is no leg.
CrossCountryResult ComputeCrossCountry(const std::filesystem::path& file,
                                       std::string_view originText, std::string_view destText,
                                       NavState& state, const CandidateQuestion& acceptCandidate);

/// ComputeCrossCountry over the file's bytes already read.
CrossCountryResult ComputeCrossCountryInBytes(std::string_view fileBytes,
                                              std::string_view originText,
                                              std::string_view destText, NavState& state,
                                              const CandidateQuestion& acceptCandidate);

}  // namespace aerlith
