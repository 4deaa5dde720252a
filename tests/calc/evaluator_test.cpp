// Expected values are hand calculations, those that depend on 15-digit intermediate rounding
// from calc_expected.py. Random texts compare the evaluator with naive_evaluator.h.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "calc/evaluator.h"
#include "calc/evaluator_steps.h"
#include "naive_evaluator.h"

namespace aerlith {
namespace {

TEST(EvaluateExpression, ValueOrFailure) {
    // Name, text, value (nullopt: the evaluation fails). Exact comparison: every expected value is
    // the double nearest to a short decimal that the evaluator writes and reads back.
    const std::tuple<const char*, std::string, std::optional<double>> rows[] = {
        {"power first", "2^3x2", 16},
        {"powers left to right", "2^3^2", 64},
        {"leading sign belongs to the number", "-2^2", 4},
        {"minus before plus", "10-2+3", 11},
        {"integer division before times", "2x7\\2", 6},
        {"division before integer division", "8\\3/2", 4},
        {"integer division halves to even", "2.5\\1", 2},
        {"integer division toward zero", "-7\\2", -3},
        {"bracket groups", "(2+3)x(4-1)", 15},
        {"minus negative", "5--3", 8},
        {"digit before group", "2(3)", 6},
        {"group before digit", "(1+2)3", 9},
        {"group before group", "(2)(3)", 6},
        {"joined group before a power", "2(1+1)^2", 8},
        {"group before point", "(2).5", 1},
        {"point before group", "4.(2)", 8},
        {"inner group at the end of a group", "((3)2)", 6},
        {"sign before group", "-(2+3)", -5},
        {"negative value joined", "2(0-3)", -6},
        {"fifteen-digit intermediate", ".1x3", 0.3},
        {"large intermediate read back", "10^20/10^18", 100},
        {"small intermediate read back", "1/3/100000x3", 9.99999999999999e-06},
        {"shown result computed on", "1E+20x2", 2e20},
        {"negative exponent not split", "1E-06+1", 1.000001},
        {"exponent sign then minus", "2E+3-1E+3", 1000},
        {"signed exponent operand", "2x-1E-06", -2e-06},
        {"underflow is no failure", "1E-200x1E-200", 0},
        {"largest 32-bit operand", "2147483647\\1", 2147483647},
        {"lowest by minus one", "-2147483648\\-1", 2147483648.0},
        {"integer divide by zero", "5\\0", std::nullopt},
        {"divisor rounds to zero", "5\\.4", std::nullopt},
        {"operand beyond 32 bits", "2147483648\\1", std::nullopt},
        {"zero to a negative power", "0^-1", std::nullopt},
        {"no real root", "-8^.5", std::nullopt},
        {"product overflow", "1E+308x10", std::nullopt},
        {"difference overflow", "0-1E+308-1E+308", std::nullopt},
        {"quotient overflow", "1E+300/1E-300", std::nullopt},
        {"operand overflow", "1E+400", std::nullopt},
        {"missing right operand", "2x", std::nullopt},
        {"leading plus", "+5", std::nullopt},
        {"close before open", ")1+2(", std::nullopt},
        {"unclosed bracket", "(1+2", std::nullopt},
        {"operator after sign", "2-^3", std::nullopt},
        {"empty", "", std::nullopt},
        {"no sign after E", "1E5", std::nullopt},
        {"E without mantissa digit", "1.E+5", std::nullopt},
        {"E without exponent digit", "1E+", std::nullopt},
        {"fractional exponent", "1+2E+3.5", std::nullopt},
    };
    for (const auto& [name, text, value] : rows) EXPECT_EQ(EvaluateExpression(text), value) << name;
}

TEST(EvaluateExpression, EveryCharacterBetweenOnes) {
    // "1", the character, "1": white space vanishes, operators act, number characters join.
    for (int code = 1; code <= 255; ++code) {
        const char c = static_cast<char>(code);
        const std::optional<double> expected = std::strchr("\b\t\n\r ,", c) ? 11
                                               : c >= '0' && c <= '9'    ? 101 + 10 * (code - '0')
                                               : std::strchr("^/\\x", c) ? 1
                                               : c == '-'                ? 0
                                               : c == '+'                ? 2
                                               : c == '.' ? std::optional<double>(1.1)
                                                          : std::nullopt;
        EXPECT_EQ(EvaluateExpression(std::string{'1', c, '1'}), expected) << "code " << code;
    }
}

// Texts of about 100,000 characters: no recursion that could overflow the stack, and no pass
// that reads the same long run again for every operation beside it.
TEST(EvaluateExpression, LongTexts) {
    std::string sum = "1";
    std::string signs = "1";
    for (int i = 1; i < 50000; ++i) sum += "+1";
    for (int i = 0; i < 16666; ++i) signs += "+-1";
    for (int i = 0; i < 25000; ++i) signs += "-1";
    EXPECT_EQ(EvaluateExpression(sum), 50000.0);
    EXPECT_EQ(EvaluateExpression(signs), 1.0 - 16666.0 - 25000.0);
    const std::string deep = std::string(50000, '(') + "7" + std::string(50000, ')');
    EXPECT_EQ(EvaluateExpression(deep), 7.0);
    EXPECT_EQ(EvaluateExpression(deep + ")"), std::nullopt);
    // A long run before a "-" sign, then many operations beside that sign.
    std::string products;
    while (products.size() < 50000) products += "x1";
    EXPECT_EQ(EvaluateExpression(std::string(50000, '9') + "-2" + products), std::nullopt);
    EXPECT_EQ(EvaluateExpression(std::string(50000, '0') + "3-2" + products), 1.0);
}

// The steps' own entry points, which run without the evaluator's memo.
TEST(EvaluatorSteps, OperandsAndSplice) {
    EXPECT_EQ(ReadOperand("1--5x2", 5, true), -5.0) << "a minus after a minus is a sign";
    EXPECT_EQ(ReadOperand("1-5x2", 4, true), 5.0) << "a minus after a number is an operator";
    EXPECT_EQ(ReadOperand("12", 9, true), std::nullopt) << "position past the end";
    std::string text = "1-5x2+3";
    EXPECT_TRUE(SpliceResult(text, 4, 10));
    EXPECT_EQ(text, "1-10+3");
}

// Compares both on `texts` texts of minPieces to maxPieces pieces; returns how many evaluated.
int CompareOnRandomTexts(const std::vector<std::string>& pieces, unsigned seed, int texts,
                         int minPieces, int maxPieces) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(minPieces, maxPieces);
    int succeeded = 0;
    for (int i = 0; i < texts; ++i) {
        std::string text;
        for (int n = count(random); n > 0; --n) text += pieces[pick(random)];
        const std::optional<double> fast = EvaluateExpression(text);
        EXPECT_EQ(fast, naive::EvaluateExpression(text)) << text;
        if (fast) ++succeeded;
    }
    return succeeded;
}

TEST(EvaluatorEquivalence, RandomTexts) {
    std::vector<std::string> pieces = {"0",     "1",   "2",   "3",     "7",    "9",         ".",
                                       ",",     ".5",  "2.5", "^",     "/",    "\\",        "x",
                                       "-",     "-",   "-",   "+",     "(",    ")",         "(",
                                       ")",     "--",  "x-",  "E+2",   "E-3",  "E+20",      "E-07",
                                       "10^20", "1/3", "+-",  "1,000", "1,,2", "2147483648"};
    pieces.push_back(std::string(320, '9'));
    pieces.push_back(std::string(30, '0'));
    // Enough of the short texts must get through for the comparison to mean something.
    EXPECT_GT(CompareOnRandomTexts(pieces, 7, 60000, 1, 7), 6000);
    CompareOnRandomTexts(pieces, 11, 4000, 10, 40);
}

TEST(EvaluatorEquivalence, SignChains) {
    // Numbers, minus and plus signs only: the "-" pass and the signs it skips.
    std::vector<std::string> pieces = {"1", "2", "-", "-", "+", "E+3", "1,", "5"};
    pieces.push_back(std::string(320, '9'));
    CompareOnRandomTexts(pieces, 13, 15000, 1, 30);
}

}  // namespace
}  // namespace aerlith
