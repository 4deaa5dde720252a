// The two functions of the main window over the aerodrome file: the look-up by part of a name,
// and the distance and courses between two aerodromes. Both ask about candidates the same way:
// the candidate in the entry box, the question in the message box. The searches themselves are
// pure; this file shows their results.

#include "app/calcs.h"
#include "app/data_paths.h"
#include "keypad/keypad_controls.h"
#include "nav/aerodrome_search.h"
#include "nav/cross_country.h"
#include "tables/message_numbers.h"
#include "ui/announcer.h"
#include "ui/cibox.h"
#include "ui/texts.h"

namespace aerlith::app {
namespace {

/// Shows each candidate in `entry` and asks about it in the message box; true for "OK".
CandidateQuestion AskInMessageBox(ui::TextBox& entry) {
    return [&entry](std::string_view candidate) {
        entry.setText(ui::FromLatin1(candidate));
        return ui::ShowInfoBox(ui::MessageText(msg::kDoYouWantThisOne),
                               ui::MessageText(msg::kPossibleChoiceFound),
                               entry.text()) == ui::kBoxOk;
    };
}

}  // namespace

void Calcs::LookUpByName() {
    const ui::TextBox* nameBox = Text1(0);
    if (nameBox == nullptr) return;
    const LookUpResult result = aerlith::LookUpByName(
        NativePath(AerodromeFile()), ui::ToLatin1(nameBox->text()), AskInMessageBox(*text2_));
    text2_->setText(ui::FromLatin1(result.entryText));
    ui::Announce(*this, text2_->text());
    // Whatever it came to, the look-up ends its function: a new one starts from its button.
    state.modeLetter.clear();
    if (ui::CheckButton* equals = ButtonPlus1(keypad::kEqualsKey)) equals->setEnabled(false);
}

void Calcs::ComputeCrossCountry() {
    const ui::TextBox* origin = Text1(0);
    const ui::TextBox* destination = Text1(1);
    if (origin == nullptr || destination == nullptr) return;
    const CrossCountryResult result = aerlith::ComputeCrossCountry(
        NativePath(AerodromeFile()), ui::ToLatin1(origin->text()),
        ui::ToLatin1(destination->text()), navState_, AskInMessageBox(*text2_));
    text2_->setText(ui::FromLatin1(result.entryText));
    ui::Announce(*this, text2_->text());
    // An identifier of the wrong length locks '=' until a key unlocks it; after the other
    // outcomes '=' repeats the computation.
    if (result.outcome == CrossCountryOutcome::kWrongIdentifierLength) {
        if (ui::CheckButton* equals = ButtonPlus1(keypad::kEqualsKey)) equals->setEnabled(false);
    }
}

}  // namespace aerlith::app
