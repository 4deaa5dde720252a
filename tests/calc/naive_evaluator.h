#pragma once
// A deliberately naive evaluator kept only for tests: the rewriting rules followed word for word
// (recursion for bracket groups and for the sign look-back, every search from the start of the
// text, a new string for every splice), with the same exponent and juxtaposition rules as the
// real one. The real evaluator must give the same result on every input.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/evaluator_steps.h"
#include "calc/number_format.h"
#include "calc/number_reading.h"

namespace aerlith::naive {

inline int Code(const std::string& t, long p) {
    if (p < 1 || p > static_cast<long>(t.size())) return 0;
    return static_cast<unsigned char>(t[static_cast<std::size_t>(p - 1)]);
}

inline bool IsExponentSign(const std::string& t, long p) {
    return (Code(t, p) == '-' || Code(t, p) == '+') && Code(t, p - 1) == 'E';
}

inline bool InNumber(const std::string& t, long p) {
    const int c = Code(t, p);
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == 'E' || IsExponentSign(t, p);
}

/// The characters from position `first` (1-based) on, `count` of them or all.
inline std::string Mid(const std::string& t, long first, long count = -1) {
    if (first > static_cast<long>(t.size())) return "";
    return t.substr(static_cast<std::size_t>(first - 1),
                    count < 0 ? std::string::npos : static_cast<std::size_t>(count));
}

inline std::optional<double> Convert(const std::string& t, long first, long last) {
    return ConvertNumber(first > last ? "" : Mid(t, first, last - first + 1));
}

inline std::optional<double> ReadOperand(const std::string& t, long pos, bool leftward) {
    const long step = leftward ? -1 : 1;
    long j = pos + step;
    if (j < 1) return std::nullopt;
    if (Code(t, j) == '-' && !IsExponentSign(t, j)) {
        if (leftward) return std::nullopt;
        j += 1;
    }
    while (InNumber(t, j)) j += step;
    if (!leftward) return Convert(t, pos + 1, j - 1);
    long first = j + 1;
    if (Code(t, j) == '-' && !ReadOperand(t, j, true)) first = j;
    return Convert(t, first, pos - 1);
}

inline bool Splice(std::string& t, long pos, double r) {
    const auto written = FormatGeneral(r);
    if (!written) return false;
    long k = pos - 1;
    while (InNumber(t, k)) --k;
    if (Code(t, k) == '-' && !ReadOperand(t, k, true)) --k;
    long m = pos + 1;
    if (Code(t, m) == '-') ++m;
    while (InNumber(t, m)) ++m;
    t = Mid(t, 1, k) + *written + Mid(t, m);
    return true;
}

inline long Find(const std::string& t, char op, long from) {
    for (long p = from; p <= static_cast<long>(t.size()); ++p) {
        if (Code(t, p) == op && !IsExponentSign(t, p)) return p;
    }
    return 0;
}

inline std::optional<double> Apply(char op, double a, double b) {
    const auto ia = ToInt32(a);
    const auto ib = ToInt32(b);
    if (op == '\\' && (!ia || !ib || *ib == 0)) return std::nullopt;
    if (op == '/' && b == 0) return std::nullopt;
    const double r = op == '\\'  ? static_cast<double>(std::int64_t{*ia} / std::int64_t{*ib})
                     : op == '^' ? std::pow(a, b)
                     : op == '/' ? a / b
                     : op == 'x' ? a * b
                     : op == '-' ? a - b
                                 : a + b;
    return std::isfinite(r) ? std::optional<double>(r) : std::nullopt;
}

inline bool Resolve(std::string& t, char op) {
    long pos = Find(t, op, 1);
    while (pos > 0) {
        const auto a = ReadOperand(t, pos, true);
        const auto b = ReadOperand(t, pos, false);
        if (a && b) {
            const auto r = Apply(op, *a, *b);
            if (!r || !Splice(t, pos, *r)) return false;
            pos = Find(t, op, 1);
        } else if (!a && b && op == '-') {
            pos = Find(t, op, pos + 1);
        } else {
            return false;
        }
    }
    return true;
}

inline bool JoinsBefore(int c) { return (c >= '0' && c <= '9') || c == '.' || c == ')'; }
inline bool JoinsAfter(int c) { return (c >= '0' && c <= '9') || c == '.' || c == '('; }

inline std::optional<double> EvaluateText(std::string t) {
    std::size_t open;
    while ((open = t.find('(')) != std::string::npos) {
        const long p = static_cast<long>(open) + 1;
        long depth = 1;
        long i = p;
        do {
            ++i;
            if (Code(t, i) == '(') ++depth;
            if (Code(t, i) == ')') --depth;
        } while (i < static_cast<long>(t.size()) && depth != 0);
        if (depth != 0) return std::nullopt;
        const auto inner = EvaluateText(Mid(t, p + 1, i - p - 1));
        const auto written = inner ? FormatGeneral(*inner) : std::nullopt;
        if (!written) return std::nullopt;
        t = Mid(t, 1, p - 1) + (JoinsBefore(Code(t, p - 1)) ? "x" : "") + *written +
            (JoinsAfter(Code(t, i + 1)) ? "x" : "") + Mid(t, i + 1);
    }
    for (const char op : {'^', '/', '\\', 'x', '-', '+'}) {
        if (!Resolve(t, op)) return std::nullopt;
    }
    return ConvertNumber(t);
}

inline std::optional<double> EvaluateExpression(std::string text) {
    if (!CleanExpression(text)) return std::nullopt;
    return EvaluateText(text);
}

}  // namespace aerlith::naive
