#include "calc/conversions.h"

#include "calc/checked_math.h"
#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "tables/ascii_text.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {
namespace {

// Message-table entry holding the factor records: a mode letter, then a 10-character number.
constexpr std::size_t kFactorWidth = 10;

// The conversion of `v`, computed in the written order so results match to the last bit.
// nullopt when a step leaves the double range.
std::optional<double> Convert(char modeLetter, double v) {
    std::optional<double> r = 0.0;
    if (modeLetter == 'u') {
        const std::optional<double> scaled = CheckedMul(kFahrenheitPerCelsius, v);
        r = scaled ? CheckedAdd(*scaled, kWaterFreezesFahrenheit) : std::nullopt;
    }
    if (modeLetter == 'f') {
        // Times 5, then over 9: 9 / 5 is not exact in binary, and dividing by it moves last bits.
        const std::optional<double> offset = CheckedSub(v, kWaterFreezesFahrenheit);
        const std::optional<double> scaled = offset ? CheckedMul(*offset, 5.0) : std::nullopt;
        r = scaled ? CheckedDiv(*scaled, 9.0) : std::nullopt;
    }
    // The search is exact and from the first character: the factor digits never hold a letter,
    // so a letter found is the start of its own record.
    const std::string_view factors = Message(msg::kConversionFactors);
    const std::size_t q = factors.find(modeLetter);
    if (q != std::string_view::npos) {
        const double factor = ReadLeadingNumber(factors.substr(q + 1, kFactorWidth));
        r = CheckedMul(v, factor);
    }
    return r;
}

}  // namespace

std::optional<char> ModeLetterOf(std::string_view caption) {
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) return std::nullopt;
    return ToLowerAscii(caption[amp + 1]);
}

std::optional<std::string> ConvertEntry(char modeLetter, std::string_view entryText) {
    const std::optional<double> r = Convert(modeLetter, ReadLeadingNumber(entryText));
    if (!r) return std::nullopt;
    // Through the standard form and back: rounds to two decimals, drops the grouping.
    const std::optional<std::string> standard = FormatStandard(*r);
    if (!standard) return std::nullopt;
    const std::optional<double> rounded = ConvertNumber(*standard);
    if (!rounded) return std::nullopt;
    return FormatGeneral(*rounded);
}

}  // namespace aerlith
