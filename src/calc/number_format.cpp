#include "calc/number_format.h"
#include "tables/ascii_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <system_error>

namespace aerlith {

namespace {

// A finite value rounded to a number of significant digits: value = d.ddd x 10^exponent with
// `digits` = "dddd" free of trailing zeros ("0" for zero).
struct SignificantDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <typename Real>
std::optional<SignificantDigits> RoundToSignificant(Real value, int significantDigits) {
    if (!std::isfinite(value)) return std::nullopt;
    SignificantDigits result;
    if (value == 0) {
        result.digits = "0";
        return result;
    }
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, significantDigits - 1);
    if (ec != std::errc()) return std::nullopt;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    if (!text.empty() && text.front() == '-') {
        result.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos) return std::nullopt;
    for (char c : text.substr(0, e)) {
        if (IsDigit(c)) result.digits.push_back(c);
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(e + 1);
    const char* first = exponentText.data();
    if (*first == '+') ++first;
    const auto parsed = std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    if (parsed.ec != std::errc()) return std::nullopt;
    result.exponent = exponent;
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

// Rounded to 15 digits, the largest doubles give 1.79769313486232E+308, which no longer reads
// back as a finite number; such a text is never produced.
bool ReadsBackFinite(const SignificantDigits& rounded) {
    if (rounded.exponent < 308) return true;
    if (rounded.exponent > 308) return false;
    std::string padded = rounded.digits;
    padded.resize(15, '0');
    return padded <= "179769313486231";
}

std::optional<SignificantDigits> RoundDouble(double value) {
    auto rounded = RoundToSignificant(value, 15);
    if (!rounded || !ReadsBackFinite(*rounded)) return std::nullopt;
    return rounded;
}

std::string LayOutGeneral(const SignificantDigits& number, int exponentFrom) {
    if (number.digits == "0") return "0";
    std::string text = number.negative ? "-" : "";
    const std::string& digits = number.digits;
    const int length = static_cast<int>(digits.size());
    if (number.exponent >= exponentFrom || number.exponent < -4) {
        text += digits.front();
        if (length > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += 'E';
        text += number.exponent < 0 ? '-' : '+';
        const int magnitude = number.exponent < 0 ? -number.exponent : number.exponent;
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
        return text;
    }
    if (number.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-number.exponent - 1), '0');
        text += digits;
        return text;
    }
    const int wholeDigits = number.exponent + 1;
    if (wholeDigits >= length) {
        text += digits;
        text.append(static_cast<std::size_t>(wholeDigits - length), '0');
        return text;
    }
    text.append(digits, 0, static_cast<std::size_t>(wholeDigits));
    text += '.';
    text.append(digits, static_cast<std::size_t>(wholeDigits));
    return text;
}

void InsertGrouping(std::string& whole) {
    std::string grouped;
    grouped.reserve(whole.size() + whole.size() / 3);
    const std::size_t length = whole.size();
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) grouped += ',';
        grouped += whole[i];
    }
    whole = std::move(grouped);
}

// Rounds the 15-digit decimal text of `value` to `decimals` places, halves away from zero, in
// decimal so that 1.005 goes to 1.01 although its double lies below the half.
std::optional<std::string> FormatFixed(double value, int decimals, bool grouping) {
    const auto number = RoundDouble(value);
    if (!number) return std::nullopt;

    std::string whole;
    std::string fraction;
    if (number->digits != "0") {
        const int wholeDigits = number->exponent + 1;
        const int length = static_cast<int>(number->digits.size());
        if (wholeDigits <= 0) {
            fraction.assign(static_cast<std::size_t>(-wholeDigits), '0');
            fraction += number->digits;
        } else if (wholeDigits >= length) {
            whole = number->digits;
            whole.append(static_cast<std::size_t>(wholeDigits - length), '0');
        } else {
            whole = number->digits.substr(0, static_cast<std::size_t>(wholeDigits));
            fraction = number->digits.substr(static_cast<std::size_t>(wholeDigits));
        }
    }
    const auto kept = static_cast<std::size_t>(decimals);
    fraction.resize(kept + 1, '0');
    const bool roundUp = fraction[kept] >= '5';
    fraction.resize(kept);

    std::string scaled = whole + fraction;
    if (roundUp) {
        std::size_t i = scaled.size();
        while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
        if (i == 0) {
            scaled.insert(scaled.begin(), '1');
        } else {
            ++scaled[i - 1];
        }
    }
    whole = scaled.substr(0, scaled.size() - kept);
    fraction = scaled.substr(scaled.size() - kept);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    const bool isZero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;

    if (grouping) InsertGrouping(whole);
    std::string text = number->negative && !isZero ? "-" : "";
    text += whole;
    text += '.';
    text += fraction;
    return text;
}

}  // namespace
std::optional<std::string> FormatGeneral(double value) {
    const auto number = RoundDouble(value);
    if (!number) return std::nullopt;
    return LayOutGeneral(*number, 15);
}

std::optional<std::string> FormatGeneralSingle(float value) {
    const auto number = RoundToSignificant(value, 7);
    if (!number) return std::nullopt;
    return LayOutGeneral(*number, 7);
}

std::optional<double> RoundHalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // value - floor(value) is exact for every finite double, so the half is found exactly.
    const double below = std::floor(value);
    const double part = value - below;
    double rounded = below;
    if (part > 0.5 || (part == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    return WithoutNegativeZero(rounded);
}

std::optional<std::int32_t> ToInt32(double value) {
    const auto rounded = RoundHalfEven(value);
    if (!rounded || *rounded < std::numeric_limits<std::int32_t>::min() ||
        *rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*rounded);
}

std::optional<std::string> SignedNumberText(double value) {
    auto text = FormatGeneral(value);
    if (!text) return std::nullopt;
    if (text->front() != '-') text->insert(text->begin(), ' ');
    return text;
}

std::optional<std::string> FormatOneDecimal(double value) { return FormatFixed(value, 1, false); }

std::optional<std::string> FormatStandard(double value) { return FormatFixed(value, 2, true); }

}  // namespace aerlith
