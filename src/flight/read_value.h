#pragma once
// The reading of the flight-computer value boxes, and the values last read and computed that the
// completions keep from one '=' to the next. Pure code.

#include <array>
#include <cstdint>
#include <string>

#include "tables/text_tables.h"

namespace aerlith {

/// The values the flight-computer completions last read and computed, kept from one '=' to the
/// next: a completion starts from what the one before left here. The window holds one, and the
/// fields carry the names its members have.
struct KeptFlightValues {
    double lastValue = 0;     ///< the value most recently read by ReadValue
    float temperature = 0;    ///< degrees Celsius, single precision (density altitude, dewpoint)
    double windSpeed = 0;     ///< entered (crosswind) or computed (wind finding) wind speed
    double headingRad = 0;    ///< entered (wind finding) or computed (heading and GS) true heading
    double courseRad = 0;     ///< true course
    double trueAirspeed = 0;  ///< true airspeed
};

/// Texts of the four value boxes, index 0 to 3.
using ValueBoxTexts = std::array<std::string, kValueBoxCount>;

/// Reads value box `index` (0..3) into `members.lastValue` by its leading number and returns it.
/// A box whose number is greater than `max`, or that reads 0 without being exactly "0" (empty,
/// no leading number, "0.0", "00"), is refused: its text becomes "Error - Input Range is 0 to "
/// followed by `max`, and 0.001 stands in for the value. There is no lower bound. An index
/// outside 0..3 reads nothing and returns `lastValue` unchanged.
double ReadValue(ValueBoxTexts& boxes, int index, std::int32_t max, KeptFlightValues& members);

}  // namespace aerlith
