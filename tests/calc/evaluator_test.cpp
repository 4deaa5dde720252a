// Expected values are hand calculations; the rows that depend on 15-digit intermediate rounding
// come from calc_expected.py.
#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "calc/conversions.h"
#include "calc/evaluator.h"
#include "calc/evaluator_steps.h"

namespace aerlith {
namespace {

struct EvalRow {
    const char* name;
    std::string text;
    std::optional<double> expected;  // nullopt: the evaluation fails
};

void PrintTo(const EvalRow& row, std::ostream* os) { *os << row.name << " [" << row.text << "]"; }

class EvaluateExpressionTest : public testing::TestWithParam<EvalRow> {};

TEST_P(EvaluateExpressionTest, GivesExpectedValueOrFails) {
    const EvalRow& row = GetParam();
    const std::optional<double> result = EvaluateExpression(row.text);
    ASSERT_EQ(result.has_value(), row.expected.has_value()) << row.text;
    // Exact comparison: every expected value is the double nearest to a short decimal that the
    // evaluator writes and reads back.
    if (result) {
        EXPECT_EQ(*result, *row.expected) << row.text;
    }
}

std::string RowName(const testing::TestParamInfo<EvalRow>& row) { return row.param.name; }

const EvalRow kEdgeRows[] = {
    {"PrecedenceTimesBeforePlus", "3+4x2", 11},
    {"PrecedenceTimesBeforeMinus", "4-3x2", -2},
    {"PowerFirst", "2^3x2", 16},
    {"PowerLeftToRight", "2^3^2", 64},
    {"LeadingSignBelongsToNumber", "-2^2", 4},
    {"MinusThenPower", "5-2^2", 1},
    {"DivisionLeftToRight", "8/4/2", 1},
    {"MinusThenPlus", "10-2+3", 11},
    {"PlusThenMinus", "1+2-3", 0},
    {"IntegerDivisionBeforeTimes", "2x7\\2", 6},
    {"IntegerDivisionThenTimes", "7\\2x3", 9},
    {"DivisionBeforeIntegerDivision", "8\\3/2", 4},
    {"HalfToEvenDown", "2.5\\1", 2},
    {"HalfToEvenUp", "3.5\\1", 4},
    {"TruncatedTowardZero", "-7\\2", -3},
    {"BracketGroups", "(2+3)x(4-1)", 15},
    {"NestedBrackets", "((2))", 2},
    {"FifteenDigitIntermediate", ".1x3", 0.3},
    {"UnaryMinus", "-5", -5},
    {"PlusNegative", "5+-3", 2},
    {"MinusNegative", "5--3", 8},
    {"TimesNegative", "2x-3", -6},
    {"PowerNegative", "2^-1", 0.5},
    {"NegativeGroupRight", "2x(1-3)", -4},
    {"NegativeGroupLeft", "(1-3)x2", -4},
    {"WhiteSpaceIgnored", " 1 +\t2\r\n\b", 3},
    {"GroupingComma", "1,000+1", 1001},
    {"DivideByZero", "1/0", std::nullopt},
    {"ZeroByZero", "0/0", std::nullopt},
    {"IntegerDivideByZero", "5\\0", std::nullopt},
    {"MissingRightOperand", "2x", std::nullopt},
    {"LeadingPlus", "+5", std::nullopt},
    {"StarIsNoOperator", "5*2", std::nullopt},
    {"UpperXIsNoOperator", "5X2", std::nullopt},
    {"CloseBeforeOpen", ")1+2(", std::nullopt},
    {"UnclosedBracket", "(1+2", std::nullopt},
    {"OperatorAfterSign", "2-^3", std::nullopt},
    {"EmptyGroup", "()", std::nullopt},
    {"Empty", "", std::nullopt},
    {"TwoPoints", "1.2.3", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(EdgeCases, EvaluateExpressionTest, testing::ValuesIn(kEdgeRows), RowName);

// A bracket value next to a digit, "." or another bracket is multiplied, not concatenated.
const EvalRow kJuxtapositionRows[] = {
    {"DigitBeforeGroup", "2(3)", 6},
    {"GroupBeforeDigit", "(1+2)3", 9},
    {"GroupThenPower", "2(1+1)^2", 8},
    {"GroupBeforeGroup", "(2)(3)", 6},
    {"GroupBeforePoint", "(2).5", 1},
    {"PointBeforeGroup", "4.(2)", 8},
    {"NestedJoin", "2(3(4))", 24},
    {"InnerGroupAtEndOfGroup", "((3)2)", 6},
    {"SignBeforeGroup", "-(2+3)", -5},
    {"NegativeValueJoined", "2(0-3)", -6},
    {"OperatorBeforeGroupUnchanged", "2x(3)", 6},
};
INSTANTIATE_TEST_SUITE_P(Juxtaposition, EvaluateExpressionTest,
                         testing::ValuesIn(kJuxtapositionRows), RowName);

const EvalRow kExponentRows[] = {
    {"LargePower", "10^20", 1e20},
    {"LargeIntermediateReadBack", "10^20/10^18", 100},
    {"SmallIntermediateReadBack", "1/3/100000x3", 9.99999999999999e-06},
    {"FifteenDigitsAtTheEdge", "10^15+1", 1e15},
    {"ShownResultComputedOn", "1E+20x2", 2e20},
    {"NegativeExponentNotSplit", "1E-06+1", 1.000001},
    {"ExponentSignThenMinus", "2E+3-1E+3", 1000},
    {"NegativeLargeIntermediate", "0-10^20x2", -2e20},
    {"SignedExponentOperand", "2x-1E-06", -2e-06},
    {"ExponentInGroup", "2(1E+20)", 2e20},
    {"RoundedSquareRoots", "2^.5x2^.5", 2.00000000000001},
    {"UnderflowIsNoFailure", "1E-200x1E-200", 0},
    {"NoSignAfterE", "1E5", std::nullopt},
    {"LowerCaseE", "1e+5", std::nullopt},
    {"EWithoutMantissaDigit", "1.E+5", std::nullopt},
    {"EWithoutExponentDigit", "1E+", std::nullopt},
    {"EAfterBracket", "(2)E+3", std::nullopt},
    {"ELeading", "E+5", std::nullopt},
    {"FractionalExponent", "1+2E+3.5", std::nullopt},
    {"TwoExponents", "2E+3E+4", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Exponents, EvaluateExpressionTest, testing::ValuesIn(kExponentRows),
                         RowName);

const EvalRow kCheckedRows[] = {
    {"ZeroToNegativePower", "0^-1", std::nullopt},
    {"NoRealRoot", "-8^.5", std::nullopt},
    {"PowerOverflow", "10^400", std::nullopt},
    {"ProductOverflow", "1E+308x10", std::nullopt},
    {"SumOverflow", "1E+308+1E+308", std::nullopt},
    {"DifferenceOverflow", "0-1E+308-1E+308", std::nullopt},
    {"QuotientOverflow", "1E+300/1E-300", std::nullopt},
    {"OperandOverflow", "1E+400", std::nullopt},
    {"ZeroToZero", "0^0", 1},
    {"Int32Max", "2147483647\\1", 2147483647},
    {"Int32MaxPlusOne", "2147483648\\1", std::nullopt},
    {"RoundsPastInt32Max", "2147483647.5\\1", std::nullopt},
    {"Int32MinByMinusOne", "-2147483648\\-1", 2147483648.0},
    {"HalfToEvenStaysInRange", "-2147483648.5\\1", -2147483648.0},
    {"DivisorRoundsToZero", "5\\.4", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(CheckedArithmetic, EvaluateExpressionTest, testing::ValuesIn(kCheckedRows),
                         RowName);

TEST(EvaluateExpressionBadInput, EveryCharacterBetweenOnes) {
    // "1", the character, "1": white space vanishes, operators act, number characters join.
    for (int code = 1; code <= 255; ++code) {
        const char c = static_cast<char>(code);
        const std::optional<double> result = EvaluateExpression(std::string{'1', c, '1'});
        std::optional<double> expected;
        if (code == 8 || code == 9 || code == 10 || code == 13 || code == 32 || code == ',') {
            expected = 11;
        } else if (c >= '0' && c <= '9') {
            expected = 101 + 10 * (code - '0');
        } else if (c == '^' || c == '/' || c == '\\' || c == 'x') {
            expected = 1;
        } else if (c == '-') {
            expected = 0;
        } else if (c == '+') {
            expected = 2;
        } else if (c == '.') {
            expected = 1.1;
        }
        EXPECT_EQ(result, expected) << "code " << code;
        EXPECT_EQ(EvaluateExpression(std::string(1, c)),
                  (c >= '0' && c <= '9') ? std::optional<double>(code - '0') : std::nullopt)
            << "code " << code;
    }
}

// 50,000 ones joined by one operator: 99,999 characters.
std::string Chain(char op) {
    std::string text = "1";
    for (int i = 1; i < 50000; ++i) text += std::string{op, '1'};
    return text;
}

TEST(EvaluateExpressionBadInput, LongChains) {
    EXPECT_EQ(EvaluateExpression(Chain('+')), 50000.0);
    EXPECT_EQ(EvaluateExpression(Chain('-')), 1.0 - 49999.0);
    EXPECT_EQ(EvaluateExpression(Chain('x')), 1.0);
    EXPECT_EQ(EvaluateExpression("2/" + Chain('/')), 2.0);
}

TEST(EvaluateExpressionBadInput, ManySignsBeforeDifferences) {
    // The "-" pass skips 16,666 signs (after "+") before reaching 25,000 differences.
    std::string text = "1";
    for (int i = 0; i < 16666; ++i) text += "+-1";
    for (int i = 0; i < 25000; ++i) text += "-1";
    EXPECT_EQ(EvaluateExpression(text), 1.0 - 16666.0 - 25000.0);
}

TEST(EvaluateExpressionBadInput, DeepBrackets) {
    const std::string text = std::string(50000, '(') + "7" + std::string(50000, ')');
    EXPECT_EQ(EvaluateExpression(text), 7.0);
    EXPECT_EQ(EvaluateExpression(text + ")"), std::nullopt);
}

TEST(EvaluateExpressionBadInput, DeepBracketsJoined) {
    // Every level multiplies the group inside it by 1: 1(1(1(...(2)...))).
    std::string text;
    for (int i = 0; i < 30000; ++i) text += "1(";
    text += "2" + std::string(30000, ')');
    EXPECT_EQ(EvaluateExpression(text), 2.0);
}

TEST(EvaluateExpressionBadInput, LongRunBeforeSignReadOnce) {
    // A run of digits before a "-" sign, then many operations beside that sign: whether the run
    // is a number must not be worked out again for each of them.
    std::string text = std::string(50000, '9') + "-2";
    while (text.size() < 100000) text += "x1";
    EXPECT_EQ(EvaluateExpression(text), std::nullopt);
    std::string readable = std::string(50000, '0') + "3-2";
    while (readable.size() < 100000) readable += "x1";
    EXPECT_EQ(EvaluateExpression(readable), 1.0);
}

TEST(EvaluateExpressionBadInput, RandomBytesGiveNumberOrFailure) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string junk(static_cast<std::size_t>(round * 50), '\0');
        for (char& c : junk) c = static_cast<char>(byte(random));
        const std::optional<double> result = EvaluateExpression(junk);
        if (result) {
            EXPECT_TRUE(std::isfinite(*result));
        }
    }
    std::string junk(100000, '\0');
    for (char& c : junk) c = "0123456789.,()^/\\x-+E "[byte(random) % 22];
    const std::optional<double> result = EvaluateExpression(junk);
    if (result) {
        EXPECT_TRUE(std::isfinite(*result));
    }
}

TEST(EvaluateExpressionLocale, CommaDecimalLocaleChangesNothing) {
    // "." stays the decimal point and "," the grouping whatever the user's locale says.
    const char* found = nullptr;
    for (const char* name : {"fr_CA.UTF-8", "fr_CA.utf8", "fr_FR.UTF-8", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            found = name;
            break;
        }
    }
    if (found == nullptr) GTEST_SKIP() << "no comma-decimal locale is installed";
    EXPECT_EQ(EvaluateExpression(".1x3"), 0.3);
    EXPECT_EQ(EvaluateExpression("1,000+1.5"), 1001.5);
    EXPECT_EQ(EvaluateExpression("1/3/100000x3"), 9.99999999999999e-06);
    EXPECT_EQ(ConvertEntry('h', "29.92"), "1013.21");
    std::setlocale(LC_ALL, "C");
}

TEST(EvaluatorSteps, CleanExpression) {
    std::string text = " 1 +\t2\r\n\b";
    EXPECT_TRUE(CleanExpression(text));
    EXPECT_EQ(text, "1+2");
    text = "(1E+20)x2";
    EXPECT_TRUE(CleanExpression(text));
    EXPECT_EQ(text, "(1E+20)x2");
    for (std::string bad : {"5*2", "())(", "(()", "1E5", "a", "1\v2"}) {
        EXPECT_FALSE(CleanExpression(bad)) << bad;
        EXPECT_EQ(bad, "") << "a refused text is emptied";
    }
}

struct OperandRow {
    const char* name;
    std::string text;
    std::size_t position;
    bool leftward;
    std::optional<double> expected;
};

TEST(EvaluatorSteps, ReadOperand) {
    const OperandRow rows[] = {
        {"LeftPlain", "5-3", 2, true, 5},
        {"RightPlain", "5-3", 2, false, 3},
        {"LeftSignAtStart", "-5x2", 3, true, -5},
        {"LeftMinusIsOperator", "1-5x2", 4, true, 5},
        {"LeftSignAfterMinus", "1--5x2", 5, true, -5},
        {"RightSignSkipped", "2x-3", 2, false, -3},
        {"NoLeftAtStart", "x3", 1, true, std::nullopt},
        {"MinusRightBeforeOperator", "5-x3", 3, true, std::nullopt},
        {"NoRightAtEnd", "2x", 2, false, std::nullopt},
        {"LeftExponent", "1E+20/2", 6, true, 1e20},
        {"RightExponent", "2x1E-06", 2, false, 1e-06},
        {"LeftNegativeExponent", "-1E-06x2", 7, true, -1e-06},
        {"PositionPastEnd", "12", 9, true, std::nullopt},
    };
    for (const OperandRow& row : rows) {
        EXPECT_EQ(ReadOperand(row.text, row.position, row.leftward), row.expected) << row.name;
    }
}

TEST(EvaluatorSteps, SpliceResult) {
    struct Row {
        const char* name;
        std::string text;
        std::size_t position;
        double value;
        std::string expected;
    };
    const Row rows[] = {
        {"InTheMiddle", "1-5x2+3", 4, 10, "1-10+3"},
        {"SignReplaced", "-5x2", 3, -10, "-10"},
        {"RightSignReplaced", "2x-3+1", 2, -6, "-6+1"},
        {"ExponentOperands", "1E+20/1E+18-1", 6, 100, "100-1"},
        {"ExponentResult", "9x9", 2, 1e20, "1E+20"},
    };
    for (Row row : rows) {
        EXPECT_TRUE(SpliceResult(row.text, row.position, row.value)) << row.name;
        EXPECT_EQ(row.text, row.expected) << row.name;
    }
    std::string text = "1x2";
    EXPECT_FALSE(SpliceResult(text, 2, INFINITY));
    EXPECT_EQ(text, "");
}

TEST(EvaluatorSteps, ResolveOperatorSkipsSignsAndExponents) {
    std::string text = "-1E-06-2+-3";
    EXPECT_TRUE(ResolveOperator(text, '-'));
    EXPECT_EQ(text, "-2.000001+-3");
    EXPECT_TRUE(ResolveOperator(text, '+'));
    EXPECT_EQ(text, "-5.000001");
    text = "2+x3";
    EXPECT_FALSE(ResolveOperator(text, 'x'));
    EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace aerlith
