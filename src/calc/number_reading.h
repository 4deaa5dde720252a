#pragma once
// Reading numbers from text. The decimal separator is always "." and the grouping separator
// always ",", whatever the user's locale.

#include <optional>
#include <string_view>

namespace aerlith {

/// Leading-number reading: the value of the longest leading part of `text` that reads as a
/// number. Blanks, tabs and line feeds are skipped wherever they stand ("1 2" reads 12); then an
/// optional sign, digits with at most one ".", an optional exponent ("E" or "D", either case,
/// optional sign, digits), or a whole number after "&H" (hexadecimal) or "&O" (octal). Stops at
/// the first character that cannot continue the number. Never fails: no number reads 0, and a
/// value beyond the double range reads as 0 too (never an infinity). "&H"/"&O" numbers take no
/// sign and are bit patterns: up to 16 bits a signed 16-bit integer (&HFFFF is -1), up to 32
/// bits a signed 32-bit integer (&H10000 is 65536, &HFFFFFFFF is -1), wider ones read 0.
double ReadLeadingNumber(std::string_view text);

/// Number conversion: the whole of `text` must be one number (blanks around it allowed; an
/// optional sign; digits with "," grouping in the whole part and one "." decimal point; an
/// optional exponent "E" or "D" with optional sign). Anything else, the empty text included,
/// and any value that overflows the double range, gives nullopt.
std::optional<double> ConvertNumber(std::string_view text);

}  // namespace aerlith
