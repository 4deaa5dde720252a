#include "ui/context_help.h"

#include "tables/message_numbers.h"

namespace aerlith::ui {

HelpEntries ContextHelpEntries(HelpBank bank, int index) {
    switch (bank) {
        case HelpBank::Keypad:
            return {msg::kKeypadHelp, msg::kHelpClosing, msg::kKeypadHelpTitle};
        case HelpBank::Conversions:
            return {msg::kConversionHelp, msg::kHelpClosing, msg::kConversionHelpTitle};
        case HelpBank::Functions:
            break;
    }
    if (index == 3 || index == 4) {
        return {msg::kFlightPlanHelp, msg::kHelpClosing, msg::kFlightPlanHelpTitle};
    }
    return {msg::kFormulaHelp, msg::kHelpClosing, msg::kFormulaHelpTitle};
}

}  // namespace aerlith::ui
