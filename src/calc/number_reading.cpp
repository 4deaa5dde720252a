#include "calc/number_reading.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "calc/number_format.h"
#include "tables/ascii_text.h"

namespace aerlith {

namespace {

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

}  // namespace aerlith
