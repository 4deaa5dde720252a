// Feeds arbitrary bytes to the number readers, and every double and single found in the bytes
// through the writers and back: nothing may crash, no reader may produce NaN or an infinity, and
// every text a writer produces must convert back (the general form to the very same text).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_format.h"
#include "calc/number_reading.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string WithoutGrouping(std::string text) {
    std::string plain;
    for (char c : text) {
        if (c != ',') plain += c;
    }
    return plain;
}

void CheckDouble(double value) {
    using namespace aerlith;
    if (!std::isfinite(value)) {
        Require(!FormatGeneral(value) && !FormatStandard(value) && !FormatOneDecimal(value));
        return;
    }
    const auto general = FormatGeneral(value);
    if (!general) {
        Require(std::fabs(value) > 1.79769313486231e308);
        return;
    }
    const auto back = ConvertNumber(*general);
    Require(back.has_value() && std::isfinite(*back));
    Require(FormatGeneral(*back) == general);
    Require(ReadLeadingNumber(*general) == *back);

    const auto standard = FormatStandard(value);
    Require(standard.has_value());
    const auto standardBack = ConvertNumber(WithoutGrouping(*standard));
    Require(standardBack.has_value() && std::isfinite(*standardBack));
    Require(ConvertNumber(*standard) == standardBack);

    const auto oneDecimal = FormatOneDecimal(value);
    Require(oneDecimal.has_value());
    const auto oneDecimalBack = ConvertNumber(*oneDecimal);
    Require(oneDecimalBack.has_value() && std::isfinite(*oneDecimalBack));

    const auto signedText = SignedNumberText(value);
    Require(signedText.has_value() && signedText->substr(1) == general->substr(value < 0 ? 1 : 0));

    const auto rounded = RoundHalfEven(value);
    Require(rounded.has_value() && std::fabs(*rounded - value) <= 0.5);
}

void CheckSingle(float value) {
    using namespace aerlith;
    const auto general = FormatGeneralSingle(value);
    if (!std::isfinite(value)) {
        Require(!general);
        return;
    }
    Require(general.has_value());
    const auto back = ConvertNumber(*general);
    Require(back.has_value() && std::isfinite(*back));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace aerlith;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double leading = ReadLeadingNumber(text);
    Require(std::isfinite(leading));
    CheckDouble(leading);

    if (const auto converted = ConvertNumber(text)) {
        Require(std::isfinite(*converted));
        Require(*converted == ReadLeadingNumber(WithoutGrouping(std::string(text))));
        CheckDouble(*converted);
    }

    // The first few values are enough: longer inputs serve the text readers.
    const std::size_t valueBytes = size < 256 ? size : 256;
    for (std::size_t at = 0; at + sizeof(double) <= valueBytes; at += sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data + at, sizeof value);
        CheckDouble(value);
    }
    for (std::size_t at = 0; at + sizeof(float) <= valueBytes; at += sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data + at, sizeof value);
        CheckSingle(value);
    }
    return 0;
}
