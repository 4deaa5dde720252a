#include "calc/number_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace aerlith {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// A decimal number taken apart as 0.<digits> x 10^exponent, with the digits free of leading
// zeros, so that texts of any length convert in one linear pass and a single correctly rounded
// conversion.
class DecimalBuilder {
public:
    void SetNegative(bool negative) { negative_ = negative; }

    void AddDigit(char digit, bool afterPoint) {
        if (digits_.empty() && digit == '0') {
            if (afterPoint) --exponent_;
            return;
        }
        if (!afterPoint) ++exponent_;
        if (digits_.size() < kKeptDigits) {
            digits_.push_back(digit);
        } else if (digit != '0') {
            droppedNonZero_ = true;
        }
    }

    void AddExponentDigit(char digit) {
        // Saturates far beyond any exponent that can still give a finite, non-zero double.
        if (exponentText_ < kExponentCap) exponentText_ = exponentText_ * 10 + (digit - '0');
    }

    void SetExponentNegative(bool negative) { exponentNegative_ = negative; }

    struct Result {
        double value = 0.0;
        bool overflow = false;
    };

    Result ToDouble() const {
        std::string digits = digits_;
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        if (digits.empty()) return {};
        // Every halfway point between two doubles has fewer significant digits than we keep,
        // so one non-zero digit standing in for all dropped ones rounds the same way.
        if (droppedNonZero_) digits.push_back('1');
        const std::int64_t exponent =
            exponent_ + (exponentNegative_ ? -exponentText_ : exponentText_);
        if (exponent > 310) return {0.0, true};
        if (exponent < -330) return {};
        std::string text = "0.";
        text += digits;
        text += 'e';
        text += std::to_string(exponent);
        double value = 0.0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc::result_out_of_range) {
            if (exponent > 0) return {0.0, true};
            return {};
        }
        if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value)) {
            return {0.0, true};
        }
        return {negative_ ? -value : value, false};
    }

private:
    static constexpr std::size_t kKeptDigits = 800;
    static constexpr std::int64_t kExponentCap = 1'000'000'000'000;

    bool negative_ = false;
    std::string digits_;
    std::int64_t exponent_ = 0;
    bool droppedNonZero_ = false;
    std::int64_t exponentText_ = 0;
    bool exponentNegative_ = false;
};

// Walks a text for the leading-number reading, stepping over blanks, tabs and line feeds
// wherever they stand.
class BlankSkippingScanner {
public:
    explicit BlankSkippingScanner(std::string_view text) : text_(text) {}

    bool AtEnd() {
        SkipBlanks();
        return position_ >= text_.size();
    }

    char Peek() {
        SkipBlanks();
        return position_ < text_.size() ? text_[position_] : '\0';
    }

    void Advance() { ++position_; }

private:
    void SkipBlanks() {
        while (position_ < text_.size() &&
               (text_[position_] == ' ' || text_[position_] == '\t' || text_[position_] == '\n')) {
            ++position_;
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

// "&H" and "&O" numbers are bit patterns: up to 16 bits they read as a signed 16-bit integer
// (&HFFFF is -1), up to 32 bits as a signed 32-bit integer (&HFFFFFFFF is -1, &H10000 is
// 65536). Wider patterns are beyond the range and read 0.
double ReadPrefixedWholeNumber(BlankSkippingScanner& scanner, int base) {
    std::uint64_t value = 0;
    bool tooWide = false;
    while (!scanner.AtEnd()) {
        const int digit = DigitValue(scanner.Peek());
        if (digit >= base) break;
        scanner.Advance();
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFF'FFFFu) {
            tooWide = true;
            value = 0;
        }
    }
    if (tooWide) return 0.0;
    if (value <= 0xFFFFu) {
        return static_cast<double>(value >= 0x8000u ? static_cast<std::int64_t>(value) - 0x10000
                                                    : static_cast<std::int64_t>(value));
    }
    return static_cast<double>(value >= 0x8000'0000u
                                   ? static_cast<std::int64_t>(value) - 0x1'0000'0000
                                   : static_cast<std::int64_t>(value));
}

// Zero has no sign in number texts.
double WithoutNegativeZero(double value) { return value == 0.0 ? 0.0 : value; }

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

double ReadLeadingNumber(std::string_view text) {
    BlankSkippingScanner scanner(text);
    if (scanner.Peek() == '&') {
        scanner.Advance();
        const char kind = scanner.Peek();
        int base = 0;
        if (kind == 'H' || kind == 'h') base = 16;
        if (kind == 'O' || kind == 'o') base = 8;
        if (base == 0) return 0.0;
        scanner.Advance();
        return ReadPrefixedWholeNumber(scanner, base);
    }

    DecimalBuilder number;
    if (scanner.Peek() == '-' || scanner.Peek() == '+') {
        number.SetNegative(scanner.Peek() == '-');
        scanner.Advance();
    }
    bool afterPoint = false;
    while (!scanner.AtEnd()) {
        const char c = scanner.Peek();
        if (IsDigit(c)) {
            number.AddDigit(c, afterPoint);
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        scanner.Advance();
    }
    if (!scanner.AtEnd() && IsExponentLetter(scanner.Peek())) {
        // An exponent letter without digits ("1e", "1e+") leaves the number as read so far.
        scanner.Advance();
        if (scanner.Peek() == '-' || scanner.Peek() == '+') {
            number.SetExponentNegative(scanner.Peek() == '-');
            scanner.Advance();
        }
        while (!scanner.AtEnd() && IsDigit(scanner.Peek())) {
            number.AddExponentDigit(scanner.Peek());
            scanner.Advance();
        }
    }
    const auto result = number.ToDouble();
    if (result.overflow) return 0.0;
    return WithoutNegativeZero(result.value);
}

std::optional<double> ConvertNumber(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    DecimalBuilder number;
    std::size_t i = 0;
    const std::size_t length = text.size();
    const auto at = [&](std::size_t position) { return position < length ? text[position] : '\0'; };

    if (at(i) == '-' || at(i) == '+') {
        number.SetNegative(at(i) == '-');
        ++i;
    }
    bool anyDigit = false;
    while (i < length) {
        const char c = text[i];
        if (IsDigit(c)) {
            number.AddDigit(c, false);
            anyDigit = true;
        } else if (c == ',') {
            // Grouping only between two digits of the whole part.
            if (i == 0 || !IsDigit(text[i - 1]) || !IsDigit(at(i + 1))) return std::nullopt;
        } else {
            break;
        }
        ++i;
    }
    if (at(i) == '.') {
        ++i;
        while (i < length && IsDigit(text[i])) {
            number.AddDigit(text[i], true);
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < length && IsExponentLetter(text[i])) {
        ++i;
        if (at(i) == '-' || at(i) == '+') {
            number.SetExponentNegative(at(i) == '-');
            ++i;
        }
        if (!IsDigit(at(i))) return std::nullopt;
        while (i < length && IsDigit(text[i])) {
            number.AddExponentDigit(text[i]);
            ++i;
        }
    }
    if (i != length) return std::nullopt;
    const auto result = number.ToDouble();
    if (result.overflow) return std::nullopt;
    return WithoutNegativeZero(result.value);
}

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

std::optional<std::int16_t> ToInt16(double value) {
    const auto rounded = RoundHalfEven(value);
    if (!rounded || *rounded < std::numeric_limits<std::int16_t>::min() ||
        *rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*rounded);
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
