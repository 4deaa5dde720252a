#include <string>

#include "app/tables/text_tables.h"
#include "calc/number_text.h"
#include "keypad/flight_formulas.h"

namespace aerlith {

namespace {

// Stands in for a refused value so that the completion still produces a result line.
constexpr double kRefusedValue = 0.001;

constexpr int kRangeMessage = 59;  // "Error - Input Range is 0 to "

}  // namespace

double ReadValue(ValueBoxTexts& boxes, int index, std::int32_t max, FlightMembers& members) {
    if (index < 0 || index >= static_cast<int>(boxes.size())) return members.lastValue;
    std::string& box = boxes[static_cast<std::size_t>(index)];
    members.lastValue = ReadLeadingNumber(box);
    // A text without a number also reads 0; only the plain "0" is taken as a typed zero.
    const bool unreadable = members.lastValue == 0 && box != "0";
    if (unreadable || members.lastValue > static_cast<double>(max)) {
        if (const auto shownMax = FormatGeneral(static_cast<double>(max))) {
            box = std::string(Message(kRangeMessage)) + *shownMax;
        }
        members.lastValue = kRefusedValue;
    }
    return members.lastValue;
}

}  // namespace aerlith
