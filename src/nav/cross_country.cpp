#include "nav/cross_country.h"

#include <cmath>
#include <variant>

#include "calc/angles.h"
#include "calc/checked_math.h"
#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {

namespace {

// A minute of arc of the sphere is one nautical mile; half a turn holds 180 * 60 of them.
constexpr double kNauticalMilesPerRadian = 10800.0 / kPiPrime;

/// The value as it reads back from its one-decimal text (halves away from zero).
std::optional<double> OneDecimal(double value) {
    const auto text = FormatOneDecimal(value);
    if (!text) return std::nullopt;
    return ConvertNumber(*text);
}

std::optional<float> OneDecimalSingle(double value) {
    const auto rounded = OneDecimal(value);
    if (!rounded) return std::nullopt;
    return CheckedSingle(*rounded);
}

std::optional<float> SingleRadians(float degrees) {
    return CheckedSingle(static_cast<double>(degrees) * kDegreesToRadians);
}

CrossCountryResult Refused(CrossCountryOutcome outcome, int message) {
    return CrossCountryResult{outcome, std::string(Message(message))};
}

std::optional<CrossCountryResult> Refusal(const FindResult& result) {
    if (std::holds_alternative<WrongIdentifierLength>(result)) {
        return Refused(CrossCountryOutcome::kWrongIdentifierLength, msg::kWrongIdentifierLength);
    }
    if (std::holds_alternative<DatabaseUnreadable>(result)) {
        return Refused(CrossCountryOutcome::kUnreadable, msg::kDatabaseUnreadable);
    }
    if (std::holds_alternative<AerodromeNotFound>(result)) {
        return Refused(CrossCountryOutcome::kNotFound, msg::kNotFound);
    }
    return std::nullopt;
}

CrossCountryResult ErrorResult() { return Refused(CrossCountryOutcome::kNoLeg, msg::kRefusal); }

/// The result line, or nullopt when a number cannot be written.
std::optional<std::string> ResultLine(const FoundAerodrome& origin, const FoundAerodrome& dest,
                                      const Leg& leg, const NavState& state) {
    const auto magneticAtOrigin = MagneticCourse(leg.trueCourseDeg, origin.variationWestDeg);
    const auto magneticAtDest = MagneticCourse(leg.trueCourseDeg, dest.variationWestDeg);
    if (!magneticAtOrigin || !magneticAtDest) return std::nullopt;
    const auto nm = FormatGeneralSingle(leg.distanceNm);
    const auto sm = FormatGeneralSingle(leg.distanceSm);
    const auto trueCourse = FormatGeneral(leg.trueCourseDeg);
    const auto magnetic1 = FormatGeneral(*magneticAtOrigin);
    const auto magnetic2 = FormatGeneral(*magneticAtDest);
    if (!nm || !sm || !trueCourse || !magnetic1 || !magnetic2) return std::nullopt;
    std::string line = "   " + origin.ident + " to " + dest.ident + "    Dist = ";
    line += *nm + "/" + *sm;
    line += Message(msg::kDistanceLabel);
    line += *trueCourse;
    line += Message(msg::kMagneticCourseLabel);
    line += *magnetic1 + " /" + *magnetic2;
    line += state.noVariationMark;
    return line;
}

template <typename Finder>
CrossCountryResult RunCrossCountry(const Finder& find, std::string_view originText,
                                   std::string_view destText, NavState& state) {
    const FindResult originResult = find(originText);
    if (auto refusal = Refusal(originResult)) return *refusal;
    const FindResult destResult = find(destText);
    if (auto refusal = Refusal(destResult)) return *refusal;
    const auto* origin = std::get_if<FoundAerodrome>(&originResult);
    const auto* dest = std::get_if<FoundAerodrome>(&destResult);
    if (origin == nullptr || dest == nullptr) return ErrorResult();
    // Two queries that land on the same record have no leg between them.
    if (origin->ident == dest->ident) return ErrorResult();
    const auto leg = ComputeLeg(origin->latitudeDeg, origin->longitudeDeg, dest->latitudeDeg,
                                dest->longitudeDeg);
    if (!leg) return ErrorResult();
    auto line = ResultLine(*origin, *dest, *leg, state);
    if (!line) return ErrorResult();
    return CrossCountryResult{CrossCountryOutcome::kLeg, std::move(*line)};
}

}  // namespace

std::optional<Leg> ComputeLeg(float originLatDeg, float originLonDeg, float destLatDeg,
                              float destLonDeg) {
    const auto lat1 = SingleRadians(originLatDeg);
    const auto lon1 = SingleRadians(originLonDeg);
    const auto lat2 = SingleRadians(destLatDeg);
    const auto lon2 = SingleRadians(destLonDeg);
    if (!lat1 || !lon1 || !lat2 || !lon2) return std::nullopt;
    const double phi1 = *lat1;
    const double lambda1 = *lon1;
    const double phi2 = *lat2;
    const double lambda2 = *lon2;

    // Haversine form first; it keeps its accuracy for short legs.
    float distanceRad = 0.0f;
    const double sinHalfLon = std::sin((lambda1 - lambda2) / 2.0);
    const double sinHalfLat = std::sin((phi1 - phi2) / 2.0);
    const double haversine =
        sinHalfLon * sinHalfLon * (std::cos(phi1) * std::cos(phi2)) + sinHalfLat * sinHalfLat;
    if (const auto root = CheckedSqrt(haversine)) {
        if (const auto halfAngle = ArcSine(*root)) {
            if (const auto angle = CheckedSingle(2.0 * *halfAngle)) distanceRad = *angle;
        }
    }
    if (distanceRad == 0.0f) {
        const auto angle = ArcCosine(std::sin(phi1) * std::sin(phi2) +
                                     std::cos(phi1) * std::cos(phi2) * std::cos(lambda1 - lambda2));
        if (angle) {
            if (const auto single = CheckedSingle(*angle)) distanceRad = *single;
        }
    }
    const double distance = distanceRad;

    Leg leg;
    const auto nm = OneDecimalSingle(distance * kNauticalMilesPerRadian);
    // Positions that coincide, or lie so close that no distance shows, have no course.
    if (!nm || *nm == 0.0f) return std::nullopt;
    leg.distanceNm = *nm;

    const double x = std::sin(distance) * std::cos(phi1);
    if (x == 0.0) return std::nullopt;
    const auto u = CheckedDiv(std::sin(phi2) - std::sin(phi1) * std::cos(distance), x);
    if (!u) return std::nullopt;
    const auto arc = ArcCosine(*u);
    if (!arc) return std::nullopt;
    // West longitudes are positive: a negative sine puts the destination east of the origin.
    const double courseRad = std::sin(lambda2 - lambda1) < 0.0 ? *arc : 2.0 * kPiPrime - *arc;
    const auto course = OneDecimal(courseRad * kRadiansToDegrees);
    if (!course) return std::nullopt;
    leg.trueCourseDeg = IntoCompassRange(*course);

    const auto sm =
        OneDecimalSingle(static_cast<double>(leg.distanceNm) * kStatuteMilesPerNauticalMile);
    if (!sm) return std::nullopt;
    leg.distanceSm = *sm;
    return leg;
}

std::optional<double> MagneticCourse(double trueCourseDeg, float variationWestDeg) {
    const auto sum = CheckedAdd(trueCourseDeg, static_cast<double>(variationWestDeg));
    if (!sum) return std::nullopt;
    // Wrapping by 360 leaves binary noise (355.3 + 10 - 360 is 5.300000000000011); the course
    // has one decimal, so it is read back from its one-decimal text.
    const auto rounded = OneDecimal(IntoCompassRange(*sum));
    if (!rounded) return std::nullopt;
    return IntoCompassRange(*rounded);
}

CrossCountryResult ComputeCrossCountry(const std::filesystem::path& file,
                                       std::string_view originText, std::string_view destText,
                                       NavState& state, const CandidateQuestion& acceptCandidate) {
    const auto find = [&](std::string_view query) {
        return FindAerodrome(file, query, state, acceptCandidate);
    };
    return RunCrossCountry(find, originText, destText, state);
}

CrossCountryResult ComputeCrossCountryInBytes(std::string_view fileBytes,
                                              std::string_view originText,
                                              std::string_view destText, NavState& state,
                                              const CandidateQuestion& acceptCandidate) {
    const auto find = [&](std::string_view query) {
        return FindAerodromeInBytes(fileBytes, query, state, acceptCandidate);
    };
    return RunCrossCountry(find, originText, destText, state);
}

}  // namespace aerlith
