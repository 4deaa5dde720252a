#pragma once
// Unit conversions of the number shown in the entry box: temperatures, distances, pressures,
// masses, volumes and lengths, selected by the mode letter of the conversion button.

#include <optional>
#include <string>
#include <string_view>

namespace aerlith {

/// Mode letter of a button caption: the character after the first "&", in lower case
/// ("Celsi&us - F" -> 'u', "Km &> NM" -> '>'). nullopt without "&" or with "&" last.
std::optional<char> ModeLetterOf(std::string_view caption);

/// Converts the number that `entryText` starts with (leading-number reading, so 2+3 converts 2
/// and a text without a number converts 0). 'u': Celsius to Fahrenheit, 9/5 x v + 32; 'f':
/// Fahrenheit to Celsius, (v - 32) x 5 / 9; a letter found in the factor table multiplies by its
/// factor (n: 1.152, h: 33.86395, ...); any other letter gives 0. The result is rounded to two
/// decimals (halves away from zero) and written in the general number form: 212, 115.2, -17.78.
/// nullopt when the result leaves the double range or is one of the few largest doubles that have
/// no text: it cannot be shown.
std::optional<std::string> ConvertEntry(char modeLetter, std::string_view entryText);

/// Degrees Fahrenheit in one degree Celsius (9 / 5, computed).
inline constexpr double kFahrenheitPerCelsius = 9.0 / 5.0;
/// Water freezes at 32 degrees Fahrenheit, the Fahrenheit reading of 0 degrees Celsius.
inline constexpr double kWaterFreezesFahrenheit = 32.0;

}  // namespace aerlith
