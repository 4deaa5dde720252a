// The conversion bank: converts the number the entry box starts with and shows the result.

#include "calc/conversions.h"
#include "keypad/keypad.h"
#include "keypad/keypad_controls.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"
#include "ui/announcer.h"
#include "ui/check_button.h"
#include "ui/form.h"
#include "ui/key_ascii.h"
#include "ui/text_box.h"
#include "ui/texts.h"

namespace aerlith::keypad {

void Keypad::buttonplus2_Click(int index) {
    if (ui::CheckButton* equals = Key(kEqualsKey)) equals->setEnabled(true);
    state_.entryState = ConversionShown;
    // A plain char rather than an optional: GCC's optimiser misreads an optional<char> here.
    char letter = 0;
    if (const std::optional<std::string_view> caption = ConversionCaption(index)) {
        letter = ModeLetterOf(*caption).value_or(0);
    }
    if (letter != 0) state_.modeLetter = QString(QChar::fromLatin1(letter));
    if (entry_ == nullptr) return;
    state_.editBuffer = entry_->text();
    // Nothing to convert: the entry box stays as it is, the state and letter are already set.
    if (state_.editBuffer.isEmpty() || letter == 0) return;
    if (const std::optional<std::string> converted =
            ConvertEntry(letter, ui::ToUtf8(state_.editBuffer))) {
        entry_->setText(ui::FromUtf8(*converted));
        ui::Announce(form_, entry_->text());
        return;
    }
    // A result beyond the double range: the box shows the evaluator's error text and, since no
    // conversion is shown, is back in the calculator state that text has after a failed '='.
    entry_->setText(ui::MessageText(msg::kRefusal));
    ui::Announce(form_, entry_->text());
    state_.entryState = Calculator;
}

void Keypad::buttonplus2_KeyPress(int index, int keyAscii) {
    if (keyAscii == 'c') Press(Key(kClearKey));
    if (keyAscii == ui::kKeyEnter) Press(Conversion(index));
}

}  // namespace aerlith::keypad
