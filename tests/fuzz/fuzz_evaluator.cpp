// Feeds arbitrary bytes to the expression check, the evaluator and the conversions: nothing may
// crash or hang, a value is always finite, and on short texts the evaluator must agree with the
// word-for-word naive version of its rewriting rules.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../calc/naive_evaluator.h"
#include "calc/conversions.h"
#include "calc/evaluator.h"
#include "calc/expression_check.h"
#include "calc/number_reading.h"

namespace {

// The naive version rescans and recurses: it is compared only on texts this short.
constexpr std::size_t kNaiveMaxBytes = 96;

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace aerlith;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ExpressionCheck check = CheckExpression(text);
    Require(!check.newEntryText || check.refused);
    Require(DropLastChars(text, 1).size() < size || size == 0);

    const std::optional<double> value = EvaluateExpression(text);
    if (value) Require(std::isfinite(*value));
    if (size <= kNaiveMaxBytes) {
        const std::optional<double> naive = naive::EvaluateExpression(std::string(text));
        Require(value.has_value() == naive.has_value());
        if (value) Require(*value == *naive);
    }

    if (size >= 1) {
        const std::optional<std::string> converted = ConvertEntry(text[0], text.substr(1));
        if (converted) Require(ConvertNumber(*converted).has_value());
    }
    return 0;
}
