#include "flight/flight_formulas.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/checked_math.h"
#include "calc/conversions.h"
#include "calc/number_format.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {

namespace {

// Pressure altitude: the standard atmosphere's sea-level pressure, and the rule of thumb that
// the altitude rises 1000 feet for each inch of mercury the pressure falls below it.
constexpr double kStandardPressureInHg = 29.92;
constexpr double kFeetPerInHg = 1000;

// True airspeed: the rule of thumb that it exceeds the indicated airspeed by 2 % per 1000 feet.
constexpr double kTrueAirspeedGainPer1000Ft = 0.02;

// Density altitude. The density of dry air in pounds per cubic foot is the pressure in inches of
// mercury times this factor over the temperature in degrees Rankine: the gas law, about 70.73
// (lbf/ft2 per inHg) over dry air's gas constant, about 53.33 (ft lbf per lb and degree Rankine).
constexpr double kDryAirDensityLbPerFt3RankinePerInHg = 1.32625;
// Degrees Rankine count degrees Fahrenheit from absolute zero, which is -459.67 F.
constexpr double kRankineAboveFahrenheit = 459.67;
// The standard atmosphere's altitude in feet for an air density x in lb/ft3, as the rational fit
// (kDensityFitSeaLevelLbPerFt2 - x * kDensityFitFt) / (kDensityFitPoleLbPerFt3 - x). The first
// constant over the second, about 0.0765 lb/ft3, is the standard sea-level density, where the
// altitude comes out 0.
constexpr double kDensityFitSeaLevelLbPerFt2 = 11346;
constexpr double kDensityFitFt = 148300;
constexpr double kDensityFitPoleLbPerFt3 = 0.37921;

// Dewpoint: the Magnus formula's constants over water, b (no unit) and c (degrees Celsius).
constexpr double kMagnusB = 17.27;
constexpr double kMagnusCCelsius = 237.3;

// A double on its way through a formula. Once an operation fails (division by zero, overflow,
// a logarithm or square root out of its domain) the value stays failed, so a formula reads as
// written, C++ keeps its left-to-right order, and one test at the end decides the step.
class Value {
public:
    // Implicit, so that constants and members mix into a formula as written.
    Value(double value) : value_(Finite(value)) {}
    Value(std::optional<double> value) : value_(value) {}

    std::optional<double> Get() const { return value_; }

    friend Value operator+(Value a, Value b) { return Both(a, b, CheckedAdd); }
    friend Value operator-(Value a, Value b) { return Both(a, b, CheckedSub); }
    friend Value operator*(Value a, Value b) { return Both(a, b, CheckedMul); }
    friend Value operator/(Value a, Value b) { return Both(a, b, CheckedDiv); }

    template <typename Operation>
    Value Then(Operation operation) const {
        if (!value_) return *this;
        return Value(operation(*value_));
    }

private:
    template <typename Operation>
    static Value Both(Value a, Value b, Operation operation) {
        if (!a.value_ || !b.value_) return Value(std::optional<double>());
        return Value(operation(*a.value_, *b.value_));
    }

    std::optional<double> value_;
};

Value Sqrt(Value v) { return v.Then(CheckedSqrt); }
Value Log(Value v) { return v.Then(CheckedLog); }
Value Sin(Value v) {
    return v.Then([](double x) { return Finite(std::sin(x)); });
}
Value Cos(Value v) {
    return v.Then([](double x) { return Finite(std::cos(x)); });
}
Value Square(Value v) { return v * v; }

std::optional<float> Single(Value v) {
    const auto value = v.Get();
    if (!value) return std::nullopt;
    const auto single = CheckedSingle(*value);
    // The midpoint between the largest single and 2^128 rounds to infinity; that fails too.
    if (!single || !std::isfinite(*single)) return std::nullopt;
    return single;
}

// R: whole number, halves to even, general number form.
std::optional<std::string> RoundedText(Value v) {
    const auto value = v.Get();
    if (!value) return std::nullopt;
    const auto whole = RoundHalfEven(*value);
    if (!whole) return std::nullopt;
    return FormatGeneral(*whole);
}

// G: general number form, unrounded.
std::optional<std::string> GeneralText(Value v) {
    const auto value = v.Get();
    if (!value) return std::nullopt;
    return FormatGeneral(*value);
}

// F: one decimal.
std::optional<std::string> OneDecimalText(Value v) {
    const auto value = v.Get();
    if (!value) return std::nullopt;
    return FormatOneDecimal(*value);
}

std::string Text(int entry) { return std::string(Message(entry)); }

// The numbered steps of one completion. A step returns false when one of its operations failed
// and commits what it sets only after all of them succeeded, so a failed step leaves its values
// as they were; the following steps still run.
class Steps {
public:
    template <typename Step>
    void Run(Step step) {
        if (!step()) anyFailed_ = true;
    }

    bool AllTookEffect() const { return !anyFailed_; }

    // The entry box text: the result line when every step took effect and one was made, the
    // refusal otherwise, so a line is never built from a value a failed step left stale.
    std::string Entry(const std::optional<std::string>& line) const {
        if (anyFailed_ || !line) return Text(msg::kRefusal);
        return *line;
    }

private:
    bool anyFailed_ = false;
};

// Steps 1 and 2 of the density altitude and the dewpoint: the temperature in Celsius from box 0
// (at most 99), then held in single precision.
void ReadTemperature(ValueBoxTexts& boxes, KeptFlightValues& members, Steps& steps) {
    ReadValue(boxes, 0, 99, members);
    steps.Run([&] {
        const auto celsius = Single(members.lastValue);
        if (!celsius) return false;
        members.temperature = *celsius;
        return true;
    });
}

}  // namespace

bool ReadCourseAndAirspeed(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    steps.Run([&] {  // 1. true course
        ReadValue(boxes, 0, 360, members);
        const auto course = (Value(members.lastValue) * kDegreesToRadians).Get();
        if (!course) return false;
        members.courseRad = *course;
        return true;
    });
    members.trueAirspeed = ReadValue(boxes, 1, 999, members);  // 2. true airspeed
    return steps.AllTookEffect();
}

std::string CompletePressureAltitude(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    ReadValue(boxes, 0, 40, members);  // 1. altimeter setting
    steps.Run([&] {                    // 2. result line
        const auto feet =
            RoundedText((Value(kStandardPressureInHg) - members.lastValue) * kFeetPerInHg);
        if (!feet) return false;
        line = Text(msg::kPressureAltitudeIs) + *feet + " feet.";
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteTrueAirspeed(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    std::int32_t altitudeFt = 0;
    ReadValue(boxes, 0, 99000, members);  // 1. altitude above mean sea level
    steps.Run([&] {                       // 2. altitude as a whole 32-bit number
        const auto whole = ToInt32(members.lastValue);
        if (!whole) return false;
        altitudeFt = *whole;
        return true;
    });
    ReadValue(boxes, 1, 999, members);  // 3. indicated airspeed
    steps.Run([&] {                     // 4. result line: 2 % per 1000 feet
        const double indicated = members.lastValue;
        const auto tas = GeneralText(Value(indicated) * kTrueAirspeedGainPer1000Ft *
                                         (Value(static_cast<double>(altitudeFt)) / 1000) +
                                     indicated);
        if (!tas) return false;
        line = Text(msg::kTrueAirspeedIs) + *tas;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteDensityAltitude(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    float x = 0;
    ReadTemperature(boxes, members, steps);  // 1 and 2. temperature, held in single precision
    ReadValue(boxes, 1, 50, members);        // 3. station pressure
    steps.Run([&] {                          // 4. density factor: pressure over Rankine temperature
        const auto factor = Single(Value(members.lastValue) * kDryAirDensityLbPerFt3RankinePerInHg /
                                   (Value(members.temperature) * kFahrenheitPerCelsius +
                                    kWaterFreezesFahrenheit + kRankineAboveFahrenheit));
        if (!factor) return false;
        x = *factor;
        return true;
    });
    steps.Run([&] {  // 5. result line
        const auto feet =
            RoundedText((Value(kDensityFitSeaLevelLbPerFt2) - Value(x) * kDensityFitFt) /
                        (Value(kDensityFitPoleLbPerFt3) - x));
        if (!feet) return false;
        line = Text(msg::kDensityAltitudeIs) + *feet;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteDewpoint(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    float a = 0;
    ReadTemperature(boxes, members, steps);  // 1 and 2. temperature, held in single precision
    ReadValue(boxes, 1, 100, members);       // 3. relative humidity in percent
    steps.Run([&] {                          // 4. dewpoint factor, single precision
        const Value t = members.temperature;
        const auto factor =
            Single((Log(Value(members.lastValue) / 100) + t * kMagnusB / (t + kMagnusCCelsius)) /
                   kMagnusB);
        if (!factor) return false;
        a = *factor;
        return true;
    });
    steps.Run([&] {  // 5. result line
        const auto celsius = OneDecimalText(Value(a) * kMagnusCCelsius / (Value(1.0F) - a));
        if (!celsius) return false;
        line = Text(msg::kDewpointIs) + *celsius;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteCrosswind(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    ReadValue(boxes, 0, 999, members);      // 1. wind speed
    members.windSpeed = members.lastValue;  // 2. kept as the wind speed
    ReadValue(boxes, 1, 90, members);       // 3. angle between wind and runway
    steps.Run([&] {                         // 4. result line
        const Value theta = Value(members.lastValue) * kDegreesToRadians;
        const auto cross = RoundedText(Sin(theta) * members.windSpeed);
        const auto head = RoundedText(Cos(theta) * members.windSpeed);
        if (!cross || !head) return false;
        line = Text(msg::kCrosswindIs) + *cross + Text(msg::kHeadwindIs) + *head;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteWindFinding(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    double groundSpeed = 0;
    double delta = 0;
    double windDirectionRad = 0;
    steps.Run([&] { return ReadCourseAndAirspeed(boxes, members); });  // 1. course, airspeed
    ReadValue(boxes, 2, 360, members);                                 // 2. true heading
    steps.Run([&] {                                                    // 3. in radians
        const auto heading = (Value(members.lastValue) * kDegreesToRadians).Get();
        if (!heading) return false;
        members.headingRad = *heading;
        return true;
    });
    groundSpeed = ReadValue(boxes, 3, 999, members);  // 4. ground speed
    steps.Run([&] {                                   // 5. heading minus course
        const auto difference = (Value(members.headingRad) - members.courseRad).Get();
        if (!difference) return false;
        delta = *difference;
        return true;
    });
    // 6. wind speed, by the law of cosines in its half-angle form,
    // (TAS - GS)^2 + 4 * TAS * GS * sin(delta / 2)^2, except that the sine of the whole angle is
    // halved, then squared.
    steps.Run([&] {
        const double tas = members.trueAirspeed;
        const auto speed = (Sqrt(Square(Value(tas) - groundSpeed) +
                                 Value(4) * tas * groundSpeed * Square(Sin(delta) / 2)))
                               .Get();
        if (!speed) return false;
        members.windSpeed = *speed;
        return true;
    });
    steps.Run([&] {  // 7. direction the wind blows from
        const double tas = members.trueAirspeed;
        const auto y = (Value(tas) * Sin(delta)).Get();
        const auto x = (Value(tas) * Cos(delta) - groundSpeed).Get();
        if (!y || !x) return false;
        const auto angle = VectorAngle(*y, *x);
        if (!angle) return false;
        const auto direction = (Value(*angle) + members.courseRad).Get();
        if (!direction) return false;
        windDirectionRad = NormalizeAngle(*direction);
        return true;
    });
    steps.Run([&] {  // 8. result line, or the refusal when the wind rounds to calm
        const auto speed = RoundHalfEven(members.windSpeed);
        if (!speed) return false;
        if (*speed <= 0) {
            line = Text(msg::kRefusal);
            return true;
        }
        const auto direction = RoundedText(Value(windDirectionRad) * kRadiansToDegrees);
        const auto shownSpeed = RoundedText(members.windSpeed);
        if (!direction || !shownSpeed) return false;
        line = Text(msg::kWindIs) + *direction + " at " + *shownSpeed;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteHeadingAndGroundSpeed(ValueBoxTexts& boxes, KeptFlightValues& members) {
    Steps steps;
    std::optional<std::string> line;
    double windFromRad = 0;
    double enteredWindSpeed = 0;
    double r = 0;
    steps.Run([&] { return ReadCourseAndAirspeed(boxes, members); });  // 1. course, airspeed
    ReadValue(boxes, 2, 360, members);                                 // 2. wind direction
    steps.Run([&] {                                                    // 3. in radians
        const auto from = (Value(members.lastValue) * kDegreesToRadians).Get();
        if (!from) return false;
        windFromRad = *from;
        return true;
    });
    enteredWindSpeed = ReadValue(boxes, 3, 999, members);  // 4. wind speed
    steps.Run([&] {                                        // 5. sine of the wind correction angle
        const auto sine = (Value(enteredWindSpeed) / members.trueAirspeed *
                           Sin(Value(windFromRad) - members.courseRad))
                              .Get();
        if (!sine) return false;
        r = *sine;
        return true;
    });
    steps.Run([&] {  // 6. heading
        const auto correction = ArcSine(r);
        if (!correction) return false;
        const auto heading = (Value(*correction) + members.courseRad).Get();
        if (!heading) return false;
        members.headingRad = NormalizeAngle(*heading);
        return true;
    });
    steps.Run([&] {  // 7. ground speed and result line, or the refusal when it rounds to 0 or below
        const auto groundSpeed = (Sqrt(Value(1) - Square(r)) * members.trueAirspeed -
                                  Cos(Value(windFromRad) - members.courseRad) * enteredWindSpeed)
                                     .Get();
        if (!groundSpeed) return false;
        const auto roundedSpeed = RoundHalfEven(*groundSpeed);
        if (!roundedSpeed) return false;
        if (*roundedSpeed <= 0) {
            line = Text(msg::kRefusal);
            return true;
        }
        const auto heading = RoundedText(Value(members.headingRad) * kRadiansToDegrees);
        const auto shownSpeed = RoundedText(*groundSpeed);
        if (!heading || !shownSpeed) return false;
        line = Text(msg::kHeadingIs) + *heading + " at " + *shownSpeed;
        return true;
    });
    return steps.Entry(line);
}

std::string CompleteFlightFunction(FlightFunction function, ValueBoxTexts& boxes,
                                   KeptFlightValues& members) {
    switch (function) {
        case FlightFunction::kPressureAltitude:
            return CompletePressureAltitude(boxes, members);
        case FlightFunction::kTrueAirspeed:
            return CompleteTrueAirspeed(boxes, members);
        case FlightFunction::kDensityAltitude:
            return CompleteDensityAltitude(boxes, members);
        case FlightFunction::kDewpoint:
            return CompleteDewpoint(boxes, members);
        case FlightFunction::kCrosswind:
            return CompleteCrosswind(boxes, members);
        case FlightFunction::kWindFinding:
            return CompleteWindFinding(boxes, members);
        case FlightFunction::kHeadingAndGroundSpeed:
            return CompleteHeadingAndGroundSpeed(boxes, members);
    }
    // Only a value cast from outside the enumeration gets here.
    return Text(msg::kRefusal);
}

}  // namespace aerlith
