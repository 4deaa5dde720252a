#include "keypad/keypad.h"

#include "calc/evaluator.h"
#include "calc/expression_check.h"
#include "calc/number_format.h"
#include "keypad/keypad_controls.h"
#include "tables/ascii_text.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"
#include "ui/announcer.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/control_arrays.h"
#include "ui/form.h"
#include "ui/image_box.h"
#include "ui/key_ascii.h"
#include "ui/text_box.h"
#include "ui/texts.h"

namespace aerlith::keypad {
namespace {

template <typename T, std::size_t N>
void FindMembers(const ui::Form& form, ui::ControlArray<T> array, std::array<T*, N>& members) {
    for (std::size_t i = 0; i < N; ++i)
        members[i] = ui::FindControl(form, array, static_cast<int>(i));
}

template <typename T, std::size_t N>
T* At(const std::array<T*, N>& members, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return nullptr;
    return members[static_cast<std::size_t>(index)];
}

}  // namespace

Keypad::Keypad(ui::Form& form, CalcsState& state, KeypadHooks hooks)
    : form_(form), state_(state), hooks_(std::move(hooks)) {}

ui::CheckButton* Keypad::Key(int index) const { return At(keys_, index); }
ui::CheckButton* Keypad::Conversion(int index) const { return At(conversions_, index); }
ui::CheckButton* Keypad::Function(int index) const { return At(functions_, index); }
ui::TextBox* Keypad::ValueBox(int index) const { return At(valueBoxes_, index); }
ui::CaptionLabel* Keypad::Label(int index) const { return At(labels_, index); }

void Keypad::Press(ui::CheckButton* button) {
    if (button != nullptr) button->Press();
}

void Keypad::Attach() {
    FindMembers(form_, ui::kButtonPlus1, keys_);
    FindMembers(form_, ui::kButtonPlus2, conversions_);
    FindMembers(form_, ui::kButtonPlus3, functions_);
    FindMembers(form_, ui::kText1, valueBoxes_);
    FindMembers(form_, ui::kLabel2, labels_);
    picture_ = ui::FindControl(form_, ui::kImage3);
    entry_ = ui::FindControl(form_, ui::kText2);

    for (int i = 0; i < kKeyCount; ++i) {
        if (ui::CheckButton* key = Key(i)) {
            connect(key, &ui::CheckButton::clicked, this, [this, i] { buttonplus1_Click(i); });
            connect(key, &ui::CheckButton::KeyTyped, this,
                    [this, i](int keyAscii) { buttonplus1_KeyPress(i, keyAscii); });
        }
    }
    for (int j = 0; j < kConversionCount; ++j) {
        if (ui::CheckButton* button = Conversion(j)) {
            connect(button, &ui::CheckButton::clicked, this, [this, j] { buttonplus2_Click(j); });
            connect(button, &ui::CheckButton::KeyTyped, this,
                    [this, j](int keyAscii) { buttonplus2_KeyPress(j, keyAscii); });
        }
    }
    for (int i = 0; i < kFunctionCount; ++i) {
        if (ui::CheckButton* button = Function(i)) {
            connect(button, &ui::CheckButton::clicked, this, [this, i] { buttonplus3_Click(i); });
            connect(button, &ui::CheckButton::KeyTyped, this,
                    [this, i](int keyAscii) { buttonplus3_KeyPress(i, keyAscii); });
        }
    }
    for (int i = 0; i < kValueBoxCount; ++i) {
        if (ui::TextBox* box = ValueBox(i)) {
            connect(box, &ui::TextBox::textChanged, this, [this, i] { Text1_Change(i); });
            connect(box, &ui::TextBox::KeyTyped, this,
                    [this, i](int keyAscii) { Text1_KeyPress(i, keyAscii); });
        }
    }
    if (entry_ != nullptr) {
        // None of these can stand in an expression: their keys take them instead of the box.
        entry_->SetSwallowedKeys({ui::kKeyEnter, ui::kKeyEscape, '=', 'c', '<'});
        connect(entry_, &ui::TextBox::KeyTyped, this, &Keypad::Text2_KeyPress);
        connect(entry_, &ui::TextBox::textEdited, this, &Keypad::Text2_Edited);
    }
}

void Keypad::buttonplus1_Click(int index) {
    if (ui::CheckButton* equals = Key(kEqualsKey)) equals->setEnabled(true);
    if (index == kEqualsKey) {
        Equals();
        return;
    }
    const std::optional<char> caption = KeypadCaption(index);
    if (entry_ != nullptr && caption) entry_->setText(entry_->text() + QChar::fromLatin1(*caption));
    if (index == kClearKey) {
        SetKeysEnabled(true);
        ClearValueBoxes();
        state_.entryState = Calculator;
        if (entry_ != nullptr) entry_->setAlignment(kEntryLeft);
        if (picture_ != nullptr) picture_->show();
    }
    if (index == kBackKey) {
        // The "<" just appended goes together with the character before it.
        if (entry_ != nullptr) {
            state_.editBuffer = entry_->text();
            state_.editBuffer = ui::FromUtf8(DropLastChars(ui::ToUtf8(state_.editBuffer), 2));
            entry_->setText(state_.editBuffer);
        }
        return;
    }
    state_.entryState = Calculator;
}

void Keypad::buttonplus1_KeyPress(int /*index*/, int keyAscii) {
    if (keyAscii == ui::kKeyEscape) {
        if (hooks_.closeWindow) hooks_.closeWindow();
        return;
    }
    for (int k = 0; k < kKeyCount; ++k) {
        const std::optional<char> caption = KeypadCaption(k);
        // Compared with the caption in lower case, so only 'c' presses 'C'.
        if (caption && keyAscii == ToLowerAscii(*caption)) Press(Key(k));
    }
    if (keyAscii == ui::kKeyBackspace) Press(Key(kBackKey));
    // '^' has no key of its own. It is appended while the banks are locked too, when only 'C'
    // and '=' can hold the focus: the route appends, though the box itself takes no typing then.
    if (keyAscii == '^' && entry_ != nullptr) {
        entry_->setText(entry_->text() + QLatin1Char('^'));
    }
}

void Keypad::Text1_Change(int index) {
    ui::TextBox* box = ValueBox(index);
    if (box == nullptr) return;
    const QString text = box->text();
    if (!text.endsWith(QLatin1Char('='))) return;
    box->setText(text.chopped(1));
    Press(Key(kEqualsKey));
}

void Keypad::Text1_KeyPress(int index, int keyAscii) {
    if (keyAscii == ui::kKeyEnter) FocusIfAvailable(ValueBox(index + 1));
    if (keyAscii == ui::kKeyEscape) Press(Key(kClearKey));
}

void Keypad::Text2_KeyPress(int keyAscii) {
    if (keyAscii == ui::kKeyEnter || keyAscii == '=') Press(Key(kEqualsKey));
    if (keyAscii == 'c') Press(Key(kClearKey));
    if (keyAscii == '<') Press(Key(kBackKey));
}

void Keypad::Text2_Edited() {
    if (state_.entryState == ConversionShown) state_.entryState = Calculator;
}

bool Keypad::CheckExpression() {
    if (entry_ == nullptr) return true;
    const ExpressionCheck check = ::aerlith::CheckExpression(ui::ToUtf8(entry_->text()));
    if (check.newEntryText) {
        entry_->setText(ui::FromUtf8(*check.newEntryText));
        // The message naming the pair is the answer to '='.
        ui::Announce(form_, entry_->text());
    }
    return check.refused;
}

void Keypad::SetKeysEnabled(bool enable) {
    for (int k = 0; k < kKeyCount; ++k) {
        if (k == kClearKey || k == kEqualsKey) continue;
        if (ui::CheckButton* key = Key(k)) key->setEnabled(enable);
    }
    for (int j = 0; j < kConversionCount; ++j) {
        if (ui::CheckButton* button = Conversion(j)) button->setEnabled(enable);
    }
    if (entry_ == nullptr) return;
    entry_->setFrame(true);
    const auto& home = state_.entryHome;
    entry_->Move(static_cast<float>(home[0]), static_cast<float>(home[1]),
                 static_cast<float>(home[2]), static_cast<float>(home[3]));
    entry_->setReadOnly(!enable);
    if (!enable) entry_->setAlignment(kEntryCentred);
}

void Keypad::ClearValueBoxes() {
    for (int i = 0; i < kValueBoxCount; ++i) {
        if (ui::CaptionLabel* label = Label(i)) label->hide();
        if (ui::CaptionLabel* shadow = Label(i + kValueBoxCount)) shadow->hide();
        if (ui::TextBox* box = ValueBox(i)) {
            box->hide();
            box->clear();
        }
    }
    if (entry_ != nullptr) entry_->clear();
}

void Keypad::FocusIfAvailable(QWidget* control) {
    if (control != nullptr && control->isVisible() && control->isEnabled()) control->setFocus();
}

void Keypad::Equals() {
    switch (state_.entryState) {
        case Calculator:
            EvaluateEntry();
            break;
        case FunctionPending:
            CompleteFunction();
            break;
        default:
            // A conversion result is not an expression to evaluate.
            break;
    }
}

void Keypad::EvaluateEntry() {
    const bool refused = CheckExpression();
    if (refused || entry_ == nullptr || entry_->text().isEmpty()) {
        SetKeysEnabled(false);
        return;
    }
    const std::optional<double> value = EvaluateExpression(ui::ToUtf8(entry_->text()));
    if (!value) {
        entry_->setText(ui::MessageText(msg::kRefusal));
        ui::Announce(form_, entry_->text());
        return;
    }
    state_.expressionResult = *value;
    // The few largest doubles have no 15-digit text; writing the result then has no effect.
    if (const std::optional<std::string> shown = FormatGeneral(*value)) {
        entry_->setText(ui::FromUtf8(*shown));
        ui::Announce(form_, entry_->text());
    }
}

}  // namespace aerlith::keypad
