#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "flight/flight_formulas.h"

namespace aerlith {
namespace {

struct ReadValueRow {
    const char* name;
    std::string text;
    std::int32_t max;
    double expectedValue;
    std::string expectedText;
};

void PrintTo(const ReadValueRow& row, std::ostream* out) { *out << row.name; }

class ReadValueTest : public testing::TestWithParam<ReadValueRow> {};

TEST_P(ReadValueTest, ReadsOrRefuses) {
    const auto& row = GetParam();
    ValueBoxTexts boxes{"a", row.text, "c", "d"};
    FlightMembers members;
    members.lastValue = 77;
    EXPECT_EQ(ReadValue(boxes, 1, row.max, members), row.expectedValue);
    EXPECT_EQ(members.lastValue, row.expectedValue);
    EXPECT_EQ(boxes[1], row.expectedText);
    EXPECT_EQ(boxes[0], "a");
    EXPECT_EQ(boxes[2], "c");
}

const std::string kRange40 = "Error - Input Range is 0 to 40";

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadValueTest,
    testing::Values(ReadValueRow{"PlainZeroAccepted", "0", 40, 0.0, "0"},
                    ReadValueRow{"DecimalZeroRefused", "0.0", 40, 0.001, kRange40},
                    ReadValueRow{"DoubleZeroRefused", "00", 40, 0.001, kRange40},
                    ReadValueRow{"EmptyRefused", "", 40, 0.001, kRange40},
                    ReadValueRow{"LettersRefused", "abc", 40, 0.001, kRange40},
                    ReadValueRow{"AboveMaxRefused", "41", 40, 0.001, kRange40},
                    ReadValueRow{"JustAboveMaxRefused", "40.0001", 40, 0.001, kRange40},
                    ReadValueRow{"MaxAccepted", "40", 40, 40.0, "40"},
                    ReadValueRow{"NegativeAccepted", "-12", 40, -12.0, "-12"},
                    ReadValueRow{"HugeNegativeAccepted", "-1E12", 99000, -1e12, "-1E12"},
                    ReadValueRow{"LeadingNumberOfText", " 12.5 kt", 40, 12.5, " 12.5 kt"},
                    ReadValueRow{"RangeMessageRefusedAgain", kRange40, 40, 0.001, kRange40},
                    ReadValueRow{"OtherMax", "1000", 999, 0.001,
                                 "Error - Input Range is 0 to 999"}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(ReadValue, IndexOutsideTheBoxesReadsNothing) {
    ValueBoxTexts boxes{"1", "2", "3", "4"};
    FlightMembers members;
    members.lastValue = 5;
    EXPECT_EQ(ReadValue(boxes, 4, 40, members), 5.0);
    EXPECT_EQ(ReadValue(boxes, -1, 40, members), 5.0);
    EXPECT_EQ(boxes, (ValueBoxTexts{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace aerlith
