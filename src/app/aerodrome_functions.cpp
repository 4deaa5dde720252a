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
#include "ui/calcmodd.h"
#include "ui/cibox.h"
#include "ui/texts.h"

namespace aerlith::app {
namespace {

// The file's texts are single bytes; so are the texts typed into the value boxes.
std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }
QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// Shows each candidate in `entry` and asks about it in the message box; true for "OK".
CandidateQuestion AskInMessageBox(ui::TextBox& entry) {
    return [&entry](std::string_view candidate) {
        entry.setText(FromBytes(candidate));
        ui::ShowInfoBox(ui::MessageText(msg::kDoYouWantThisOne),
                        ui::MessageText(msg::kPossibleChoiceFound), entry.text());
        return ui::calcmodd::BoxAnswer() == 1;
    };
}

}  // namespace

void Calcs::LookUpByName() {
    ui::calcmodd::BoxAnswer() = 0;
    const ui::TextBox* nameBox = Text1(0);
    if (nameBox == nullptr) return;
    const LookUpResult result = aerlith::LookUpByName(
        NativePath(AerodromeFile()), Bytes(nameBox->text()), AskInMessageBox(*text2_));
    text2_->setText(FromBytes(result.entryText));
    ui::Announce(*this, text2_->text());
    if (result.clearModeLetter) state.modeLetter.clear();
    if (result.disableEquals) {
        if (ui::CheckButton* equals = ButtonPlus1(keypad::kEqualsKey)) equals->setEnabled(false);
    }
}

void Calcs::ComputeCrossCountry() {
    const ui::TextBox* origin = Text1(0);
    const ui::TextBox* destination = Text1(1);
    if (origin == nullptr || destination == nullptr) return;
    const CrossCountryResult result = aerlith::ComputeCrossCountry(
        NativePath(AerodromeFile()), Bytes(origin->text()), Bytes(destination->text()), navState_,
        AskInMessageBox(*text2_));
    text2_->setText(FromBytes(result.entryText));
    ui::Announce(*this, text2_->text());
    if (result.disableEquals) {
        if (ui::CheckButton* equals = ButtonPlus1(keypad::kEqualsKey)) equals->setEnabled(false);
    }
}

}  // namespace aerlith::app
