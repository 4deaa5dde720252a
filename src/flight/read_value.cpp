#include <string>

#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "flight/read_value.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {

namespace {

// Stands in for a refused value so that the completion still produces a result line.
constexpr double kRefusedValue = 0.001;

}  // namespace

double ReadValue(ValueBoxTexts& boxes, int index, std::int32_t max, KeptFlightValues& members) {
    if (index < 0 || index >= static_cast<int>(boxes.size())) return members.lastValue;
    std::string& box = boxes[static_cast<std::size_t>(index)];
    members.lastValue = ReadLeadingNumber(box);
    // A text without a number also reads 0; only the plain "0" is taken as a typed zero.
    const bool unreadable = members.lastValue == 0 && box != "0";
    if (unreadable || members.lastValue > static_cast<double>(max)) {
        if (const auto shownMax = FormatGeneral(static_cast<double>(max))) {
            box = std::string(Message(msg::kInputRange)) + *shownMax;
        }
        members.lastValue = kRefusedValue;
    }
    return members.lastValue;
}

}  // namespace aerlith
