// The real evaluator against the word-for-word one in naive_evaluator.h, on random texts built
// to hit signs, exponent parts, grouping commas, unreadable long numbers and bracket joins.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/evaluator.h"
#include "naive_evaluator.h"

namespace aerlith {
namespace {

std::string RandomExpression(std::mt19937& random, std::size_t length) {
    static const std::string pieces[] = {
        "0",
        "1",
        "2",
        "3",
        "7",
        "9",
        ".",
        ",",
        ".5",
        "2.5",
        "^",
        "/",
        "\\",
        "x",
        "-",
        "-",
        "-",
        "+",
        "(",
        ")",
        "(",
        ")",
        "--",
        "x-",
        "E+2",
        "E-3",
        "E+20",
        "E-07",
        "10^20",
        "1/3",
        "2147483648",
        std::string(320, '9'),
        std::string(30, '0'),
        "1,000",
        "1,,2",
        "+-",
    };
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::string text;
    while (text.size() < length) text += pieces[pick(random)];
    return text;
}

void ExpectSameAsNaive(const std::string& text) {
    const std::optional<double> fast = EvaluateExpression(text);
    const std::optional<double> naive = naive::EvaluateExpression(text);
    ASSERT_EQ(fast.has_value(), naive.has_value()) << text;
    if (fast) {
        ASSERT_EQ(*fast, *naive) << text;
    }
}

TEST(EvaluatorEquivalence, ShortRandomTexts) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> length(1, 14);
    int succeeded = 0;
    for (int i = 0; i < 60000; ++i) {
        const std::string text = RandomExpression(random, length(random));
        ExpectSameAsNaive(text);
        if (EvaluateExpression(text)) ++succeeded;
    }
    // Enough of the texts must get through for the comparison to mean something.
    EXPECT_GT(succeeded, 6000);
}

TEST(EvaluatorEquivalence, LongerRandomTexts) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::size_t> length(15, 400);
    for (int i = 0; i < 4000; ++i) ExpectSameAsNaive(RandomExpression(random, length(random)));
}

TEST(EvaluatorEquivalence, SignChains) {
    // Chains of numbers, minus and plus signs only: the "-" pass and its skipped signs.
    std::mt19937 random(13);
    const std::string pieces[] = {"1", "2", "-", "-", "+", "E+3", std::string(320, '9'), "1,", "5"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(1, 30);
    for (int i = 0; i < 15000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
        ExpectSameAsNaive(text);
    }
}

}  // namespace
}  // namespace aerlith
