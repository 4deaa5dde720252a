#include "ui/context_help.h"

namespace aerlith::ui {
namespace {

constexpr int kClosingParagraph = 77;

}  // namespace

HelpEntries ContextHelpEntries(HelpBank bank, int index) {
    switch (bank) {
        case HelpBank::Keypad:
            return {74, kClosingParagraph, 68};
        case HelpBank::Conversions:
            return {73, kClosingParagraph, 69};
        case HelpBank::Functions:
            break;
    }
    if (index == 3 || index == 4) return {76, kClosingParagraph, 70};
    return {75, kClosingParagraph, 71};
}

}  // namespace aerlith::ui
