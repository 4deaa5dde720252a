// Feeds arbitrary bytes to the number readers, and every double and single found in the bytes
// through the writers and back: nothing may crash, no reader may produce NaN or an infinity, and
// every text a writer produces must convert back (the general form to the very same text).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_format.h"
#include "calc/number_reading.h"

using namespace aerlith;

namespace {

// The largest magnitude whose 15-digit text still reads back as a finite double.
constexpr double kLargestWritable = 1.79769313486231e308;
// The doubles checked are those in the first bytes: longer inputs serve the text readers.
constexpr std::size_t kValueBytes = 256;

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string WithoutGrouping(std::string_view text) {
    std::string plain(text);
    std::erase(plain, ',');
    return plain;
}

std::optional<double> ReadBack(const std::optional<std::string>& text) {
    Require(text.has_value());
    const auto back = ConvertNumber(WithoutGrouping(*text));
    Require(back.has_value() && std::isfinite(*back));
    return back;
}

void CheckDouble(double value) {
    const auto general = FormatGeneral(value);
    if (!general) {
        Require(!std::isfinite(value) || std::fabs(value) > kLargestWritable);
        Require(!FormatStandard(value) && !FormatOneDecimal(value) && !SignedNumberText(value));
        return;
    }
    Require(FormatGeneral(*ReadBack(general)) == general);
    Require(ReadLeadingNumber(*general) == *ReadBack(general));
    Require(ConvertNumber(*FormatStandard(value)) == ReadBack(FormatStandard(value)));
    ReadBack(FormatOneDecimal(value));
    const auto rounded = RoundHalfEven(value);
    Require(rounded.has_value() && std::fabs(*rounded - value) <= 0.5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double leading = ReadLeadingNumber(text);
    Require(std::isfinite(leading));
    CheckDouble(leading);
    if (const auto converted = ConvertNumber(text)) {
        Require(std::isfinite(*converted) &&
                *converted == ReadLeadingNumber(WithoutGrouping(text)));
        CheckDouble(*converted);
    }
    for (std::size_t at = 0; at + sizeof(double) <= size && at < kValueBytes;
         at += sizeof(double)) {
        double value = 0;
        float single = 0;
        std::memcpy(&value, data + at, sizeof value);
        std::memcpy(&single, data + at, sizeof single);
        CheckDouble(value);
        Require(std::isfinite(single) == FormatGeneralSingle(single).has_value());
        if (std::isfinite(single)) ReadBack(FormatGeneralSingle(single));
    }
    return 0;
}
