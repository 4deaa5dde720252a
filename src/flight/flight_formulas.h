#pragma once
// The seven flight-computer completions (pressure altitude, true airspeed, density altitude,
// dewpoint, crosswind, wind finding, heading and ground speed) and the reading of their value
// boxes. Pure code: the window hands in the texts of its value boxes and the values kept from one
// '=' to the next, and shows the text that comes back in the entry box.
//
// Units: altitudes in feet, pressures in inches of mercury, temperatures in degrees Celsius,
// humidity in percent, angles typed in whole-circle degrees (kept in radians), speeds in any one
// unit (results come out in that unit).

#include <string>

#include "flight/read_value.h"

namespace aerlith {

/// Reads the true course (box 0, 0 to 360 degrees) into `courseRad` and the true airspeed (box 1,
/// 0 to 999) into `trueAirspeed`. Returns whether both steps took effect.
bool ReadCourseAndAirspeed(ValueBoxTexts& boxes, KeptFlightValues& members);

// Each completion reads its boxes, updates the kept values step by step and returns the new entry
// box text: its result line when every step took effect, otherwise the refusal
// "Oops. - Error (out of Range, division by zero or typo.)  ". A step that fails (division by
// zero, logarithm or square root out of domain, overflow, a whole number beyond 32 bits) leaves
// the values it would have set as they were. A refused box does not count as a failure: it
// reads as 0.001 and the result line is still written.

/// Box 0 altimeter setting (0..40). "The Pressure Altitude is " + R + " feet.".
std::string CompletePressureAltitude(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Box 0 altitude above mean sea level (..99000, made a whole 32-bit number), box 1 indicated
/// airspeed (..999). "The True Airspeed is " + the unrounded result.
std::string CompleteTrueAirspeed(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Box 0 temperature (..99), box 1 station pressure (..50). "The Density Altitude is " + R.
std::string CompleteDensityAltitude(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Box 0 temperature (..99), box 1 relative humidity (..100). "The Dewpoint is " + one
/// decimal. A humidity of 0 or below is refused.
std::string CompleteDewpoint(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Box 0 wind speed (..999), box 1 angle between wind and runway (..90 degrees).
/// " Crosswind component is " + R + " Headwind component is " + R.
std::string CompleteCrosswind(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Boxes true course, true airspeed, true heading (..360), ground speed (..999).
/// "Wind is " + direction in degrees + " at " + speed; the refusal when the wind rounds to calm.
std::string CompleteWindFinding(ValueBoxTexts& boxes, KeptFlightValues& members);

/// Boxes true course, true airspeed, wind direction (..360), wind speed (..999).
/// " Heading is " + heading in degrees + " at " + ground speed; the refusal when the ground speed
/// rounds to 0 or below, when the airspeed is 0, or when the wind's cross component exceeds the
/// airspeed.
std::string CompleteHeadingAndGroundSpeed(ValueBoxTexts& boxes, KeptFlightValues& members);

/// The seven flight-computer functions, one completion each.
enum class FlightFunction {
    kPressureAltitude,
    kTrueAirspeed,
    kDensityAltitude,
    kDewpoint,
    kCrosswind,
    kWindFinding,
    kHeadingAndGroundSpeed,
};

/// Runs the completion of `function` and returns the new entry box text.
std::string CompleteFlightFunction(FlightFunction function, ValueBoxTexts& boxes,
                                   KeptFlightValues& members);

}  // namespace aerlith
