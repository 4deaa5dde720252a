#include "calc/evaluator.h"

#include <cstdint>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "calc/checked_math.h"
#include "calc/evaluator_steps.h"
#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "tables/ascii_text.h"

namespace aerlith {
namespace {

// Pass order: the earlier pass binds tighter, and each pass works left to right.
constexpr char kOperatorPasses[] = {'^', '/', '\\', 'x', '-', '+'};

bool IsNumberChar(int c) { return IsDigit(c) || c == ',' || c == '.'; }

bool IsSign(int c) { return c == '-' || c == '+'; }

bool IsOperator(int c) {
    for (const char op : kOperatorPasses) {
        if (c == op) return true;
    }
    return false;
}

bool IsWhiteSpace(int c) { return c == 8 || c == 9 || c == 10 || c == 13 || c == 32; }

// A sign right after "E" belongs to an exponent part (1E-06): it is neither an operator nor an
// operand's sign, so the "-" and "+" passes must not split a number there.
bool IsExponentSign(std::string_view text, std::size_t position) {
    return position > 1 && IsSign(CharCodeAt(text, position)) &&
           CharCodeAt(text, position - 1) == 'E';
}

// Digits, ",", "." and an exponent part "E" with its sign: everything a number in the text is
// made of once its leading sign is set aside.
bool IsInNumber(std::string_view text, std::size_t position) {
    const int c = CharCodeAt(text, position);
    return IsNumberChar(c) || c == 'E' || IsExponentSign(text, position);
}

// Position where a leftward scan over a number stops: the first position, going left from
// `from`, that is not part of it; 0 when the number reaches the start.
std::size_t ScanNumberLeft(std::string_view text, std::size_t from) {
    std::size_t j = from;
    while (j >= 1 && IsInNumber(text, j)) --j;
    return j;
}

// Position where a rightward scan over a number stops; length + 1 at the end of the text.
std::size_t ScanNumberRight(std::string_view text, std::size_t from) {
    std::size_t j = from;
    while (j <= text.size() && IsInNumber(text, j)) ++j;
    return j;
}

// Remembers, for one "-", whether a number stands left of it. An operator pass asks this again
// for the same "-" after each operation beside it; with a long run of digits there, reading it
// every time would make the pass quadratic. Valid while the text before `position` is unchanged.
struct LeftNumberMemo {
    std::size_t position = 0;
    bool hasNumber = false;
};

// Whether ReadOperand finds a left operand for the "-" at `position`. A sign in front of a run
// never changes whether the run converts, so one level of look-back is enough.
bool HasNumberLeftOf(std::string_view text, std::size_t position, LeftNumberMemo* memo) {
    if (memo != nullptr && position != 0 && memo->position == position) return memo->hasNumber;
    bool hasNumber = false;
    if (position >= 2 && position <= text.size() + 1) {
        const std::size_t last = position - 1;
        if (CharCodeAt(text, last) != '-' || IsExponentSign(text, last)) {
            const std::size_t stop = ScanNumberLeft(text, last);
            hasNumber = ConvertNumber(text.substr(stop, last - stop)).has_value();
        }
    }
    if (memo != nullptr) *memo = {position, hasNumber};
    return hasNumber;
}

// First position of the operand that ends just left of `position`, its sign included: a "-"
// before the digits is the operand's sign when no number stands left of that "-".
std::size_t LeftOperandStart(std::string_view text, std::size_t position, LeftNumberMemo* memo) {
    const std::size_t stop = ScanNumberLeft(text, position - 1);
    if (stop >= 1 && CharCodeAt(text, stop) == '-' && !HasNumberLeftOf(text, stop, memo)) {
        return stop;
    }
    return stop + 1;
}

// One past the last position of the operand right of `position`; a "-" right after the
// operator belongs to that operand.
std::size_t RightOperandEnd(std::string_view text, std::size_t position) {
    std::size_t j = position + 1;
    if (CharCodeAt(text, j) == '-') ++j;
    return ScanNumberRight(text, j);
}

std::optional<double> ReadOperandImpl(std::string_view text, std::size_t position, bool leftward,
                                      LeftNumberMemo* memo) {
    if (leftward) {
        if (position < 2 || position > text.size() + 1) return std::nullopt;
        if (CharCodeAt(text, position - 1) == '-' && !IsExponentSign(text, position - 1)) {
            return std::nullopt;
        }
        if (memo != nullptr && memo->position == position && !memo->hasNumber) {
            return std::nullopt;
        }
        const std::size_t first = LeftOperandStart(text, position, memo);
        return ConvertNumber(text.substr(first - 1, position - first));
    }
    if (position == 0 || position >= text.size()) return std::nullopt;
    const std::size_t end = RightOperandEnd(text, position);
    return ConvertNumber(text.substr(position, end - 1 - position));
}

// Replaces operand, operator, operand at `position` by `value`; returns the first position of
// the replaced span, or nullopt (text emptied) on failure.
std::optional<std::size_t> SpliceResultImpl(std::string& text, std::size_t position, double value,
                                            LeftNumberMemo* memo) {
    const std::optional<std::string> written = FormatGeneral(value);
    if (!written || position == 0 || position > text.size()) {
        text.clear();
        return std::nullopt;
    }
    const std::size_t first = LeftOperandStart(text, position, memo);
    const std::size_t end = RightOperandEnd(text, position);
    text.replace(first - 1, end - first, *written);
    return first;
}

// Integer division: operands rounded half-to-even into 32 bits, quotient truncated toward zero.
// Worked in 64 bits so that -2147483648 \ -1 gives 2147483648 instead of overflowing.
std::optional<double> IntegerDivide(double a, double b) {
    const std::optional<std::int32_t> dividend = ToInt32(a);
    const std::optional<std::int32_t> divisor = ToInt32(b);
    if (!dividend || !divisor || *divisor == 0) return std::nullopt;
    return static_cast<double>(static_cast<std::int64_t>(*dividend) /
                               static_cast<std::int64_t>(*divisor));
}

std::optional<double> Apply(char op, double a, double b) {
    switch (op) {
        case '^':
            return CheckedPow(a, b);
        case '/':
            return CheckedDiv(a, b);
        case '\\':
            return IntegerDivide(a, b);
        case 'x':
            return CheckedMul(a, b);
        case '-':
            return CheckedSub(a, b);
        case '+':
            return CheckedAdd(a, b);
        default:
            return std::nullopt;
    }
}

// First position at or after `from` where `op` stands as an operator; 0 when there is none.
std::size_t FindOperator(std::string_view text, char op, std::size_t from) {
    std::size_t index = from - 1;
    while ((index = text.find(op, index)) != std::string_view::npos) {
        if (!IsExponentSign(text, index + 1)) return index + 1;
        ++index;
    }
    return 0;
}

// The operator passes over a text without brackets, then the one number that must be left.
std::optional<double> ResolvePasses(std::string& text) {
    for (const char op : kOperatorPasses) {
        if (!ResolveOperator(text, op)) return std::nullopt;
    }
    return ConvertNumber(text);
}

// A bracket value is joined to a digit, "." or bracket beside it by a multiplication, so 2(3)
// is 6 and (1+2)3 is 9 rather than the digits running together.
bool JoinsBefore(char c) { return IsDigit(static_cast<unsigned char>(c)) || c == '.' || c == ')'; }
bool JoinsAfter(char c) { return IsDigit(static_cast<unsigned char>(c)) || c == '.' || c == '('; }

std::optional<double> Fail(std::string& text) {
    text.clear();
    return std::nullopt;
}

bool FailPass(std::string& text) {
    text.clear();
    return false;
}

}  // namespace

int CharCodeAt(std::string_view text, std::size_t position) {
    if (position == 0 || position > text.size()) return 0;
    return static_cast<unsigned char>(text[position - 1]);
}

bool CleanExpression(std::string& text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text) {
        if (!IsWhiteSpace(static_cast<unsigned char>(c))) cleaned += c;
    }
    std::size_t depth = 0;
    bool valid = true;
    for (std::size_t i = 1; valid && i <= cleaned.size(); ++i) {
        const int c = CharCodeAt(cleaned, i);
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            valid = depth > 0;
            if (valid) --depth;
        } else if (c == 'E') {
            // Only the exponent part of a shown result, such as 1E+20 or 2.5E-07.
            valid = IsDigit(CharCodeAt(cleaned, i - 1)) && IsSign(CharCodeAt(cleaned, i + 1)) &&
                    IsDigit(CharCodeAt(cleaned, i + 2));
        } else {
            valid = IsNumberChar(c) || IsOperator(c);
        }
    }
    if (!valid || depth != 0) {
        text.clear();
        return false;
    }
    text = std::move(cleaned);
    return true;
}

std::optional<double> EvaluateText(std::string& text) {
    // Each open group collects its inner text with the groups inside it already replaced by
    // their values; closing a group evaluates that text and writes the value into the group
    // around it. This is the leftmost-first rewriting of nested groups, with an explicit stack
    // instead of recursion so that deep nesting cannot overflow the call stack.
    std::vector<std::string> groups(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            groups.emplace_back();
            continue;
        }
        if (c != ')') {
            groups.back() += c;
            continue;
        }
        // A ")" that closes nothing can never become part of a number: the text cannot succeed.
        if (groups.size() < 2) return Fail(text);
        std::string inner = std::move(groups.back());
        groups.pop_back();
        const std::optional<double> value = ResolvePasses(inner);
        if (!value) return Fail(text);
        const std::optional<std::string> written = FormatGeneral(*value);
        if (!written) return Fail(text);
        std::string& outer = groups.back();
        if (!outer.empty() && JoinsBefore(outer.back())) outer += 'x';
        outer += *written;
        // A ")" next closes the enclosing group, whose text ends with this value.
        if (i + 1 < text.size() && JoinsAfter(text[i + 1])) outer += 'x';
    }
    if (groups.size() != 1) return Fail(text);
    text = std::move(groups.front());
    return ResolvePasses(text);
}

bool ResolveOperator(std::string& text, char op) {
    LeftNumberMemo memo;
    std::size_t position = FindOperator(text, op, 1);
    while (position > 0) {
        const std::optional<double> left = ReadOperandImpl(text, position, true, &memo);
        const std::optional<double> right = ReadOperandImpl(text, position, false, &memo);
        if (left && right) {
            const std::optional<double> result = Apply(op, *left, *right);
            if (!result) return FailPass(text);
            const std::optional<std::size_t> first =
                SpliceResultImpl(text, position, *result, &memo);
            if (!first) return false;
            if (memo.position > *first) memo = {};
            // Searching on from the spliced span finds what a search from the start would: the
            // text before the span is unchanged and holds no occurrence of `op` other than "-"
            // signs skipped below. Such a sign stays a sign: its left side is unchanged, and its
            // right operand lies wholly before the span or is the new result, which reads.
            position = FindOperator(text, op, *first);
        } else if (!left && right && op == '-') {
            // A "-" without a left operand is the sign of the number after it.
            position = FindOperator(text, op, position + 1);
        } else {
            return FailPass(text);
        }
    }
    return true;
}

std::optional<double> ReadOperand(std::string_view text, std::size_t position, bool leftward) {
    return ReadOperandImpl(text, position, leftward, nullptr);
}

bool SpliceResult(std::string& text, std::size_t position, double value) {
    return SpliceResultImpl(text, position, value, nullptr).has_value();
}

std::optional<double> EvaluateExpression(std::string_view text) {
    try {
        std::string work(text);
        if (!CleanExpression(work)) return std::nullopt;
        return EvaluateText(work);
    } catch (const std::exception&) {
        // Only allocation can throw here, for a pasted text too large to copy: a failed
        // evaluation like any other.
        return std::nullopt;
    }
}

}  // namespace aerlith
