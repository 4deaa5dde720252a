// The function bank: starting a flight-computer or navigation function (value boxes, field
// names, prompt) and completing it when '=' is pressed.

#include <QColor>
#include <QPalette>
#include <vector>

#include "calc/conversions.h"
#include "keypad/keypad.h"
#include "keypad/keypad_controls.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"
#include "ui/announcer.h"
#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/image_box.h"
#include "ui/key_ascii.h"
#include "ui/text_box.h"
#include "ui/texts.h"

namespace aerlith::keypad {
namespace {

// The prompt of each function, by mode letter: its first message-table entry and how many value
// boxes it shows (count code 0: one, 1: two, 3: four).
struct PromptEntries {
    char modeLetter;
    int first;
    int countCode;
};
constexpr std::array<PromptEntries, 9> kPrompts = {{
    {'w', msg::kWindSpeedField, 1},
    {'d', msg::kWindDirectionField, 3},
    {'-', msg::kTrueHeadingField, 3},
    {'y', msg::kOriginField, 1},
    {'p', msg::kPartialNameField, 0},
    {'e', msg::kAltimeterSettingField, 0},
    {'s', msg::kDensityTemperatureField, 1},
    {'a', msg::kMslAltitudeField, 1},
    {'o', msg::kDewpointTemperatureField, 1},
}};

// The flight-computer function each mode letter completes; 'p' and 'y' are the aerodrome ones.
struct FlightLetter {
    char modeLetter;
    FlightFunction function;
};
constexpr std::array<FlightLetter, 7> kFlightLetters = {{
    {'e', FlightFunction::kPressureAltitude},
    {'a', FlightFunction::kTrueAirspeed},
    {'s', FlightFunction::kDensityAltitude},
    {'o', FlightFunction::kDewpoint},
    {'w', FlightFunction::kCrosswind},
    {'-', FlightFunction::kWindFinding},
    {'d', FlightFunction::kHeadingAndGroundSpeed},
}};

std::optional<FlightFunction> FlightFunctionOf(const QString& modeLetter) {
    if (modeLetter.size() != 1) return std::nullopt;
    for (const FlightLetter& flight : kFlightLetters) {
        if (modeLetter.front() == QLatin1Char(flight.modeLetter)) return flight.function;
    }
    return std::nullopt;
}

struct PromptText {
    QString entry;
    std::vector<QString> fieldNames;  ///< of value boxes 0, 1, ...
};

std::optional<PromptText> BuildPrompt(int first, int countCode) {
    const auto e = [](int entry) { return ui::MessageText(entry); };
    switch (countCode) {
        case 0:
            return PromptText{
                e(msg::kEnterThe) + e(first) + e(msg::kThenClick) + QStringLiteral("    "),
                {e(first)}};
        case 1:
            return PromptText{e(msg::kEnterThe) + e(first) + QStringLiteral(" and the ") +
                                  e(first + 1) + e(msg::kThenClick),
                              {e(first), e(first + 1)}};
        case 3:
            return PromptText{
                e(msg::kEnterThe) + e(msg::kPromptTrueCourse) + QStringLiteral(", ") +
                    e(msg::kPromptTrueAirspeed) + QStringLiteral(", ") + e(first) +
                    QStringLiteral(" and ") + e(first + 1) + e(msg::kThenClick),
                {e(msg::kTrueCourseField), e(msg::kTrueAirspeedField), e(first), e(first + 1)}};
        default:
            return std::nullopt;
    }
}

bool HoldsText(const ui::TextBox* box) { return box != nullptr && !box->text().isEmpty(); }

}  // namespace

void Keypad::buttonplus3_Click(int index) {
    if (ui::CheckButton* equals = Key(kEqualsKey)) equals->setEnabled(true);
    state_.entryState = FunctionPending;
    ClearValueBoxes();
    SetKeysEnabled(false);
    if (picture_ != nullptr) picture_->hide();
    if (index < 0 || index >= kFunctionCount) return;
    const std::optional<char> letter = ModeLetterOf(Message(msg::kFirstFunctionCaption + index));
    if (!letter) return;
    state_.modeLetter = QString(QChar::fromLatin1(*letter));
    for (const PromptEntries& prompt : kPrompts) {
        if (prompt.modeLetter == *letter) ShowPrompt(prompt.first, prompt.countCode);
    }
}

void Keypad::buttonplus3_KeyPress(int index, int keyAscii) {
    if (keyAscii == 'c') Press(Key(kClearKey));
    if (keyAscii == ui::kKeyEnter) Press(Function(index));
}

void Keypad::ShowPrompt(int first, int countCode) {
    for (int i = 0; i <= countCode && i < kValueBoxCount; ++i) {
        if (ui::TextBox* box = ValueBox(i)) box->show();
        if (ui::CaptionLabel* label = Label(i)) label->show();
        if (ui::CaptionLabel* shadow = Label(i + kValueBoxCount)) shadow->show();
    }
    FocusIfAvailable(ValueBox(0));
    if (entry_ != nullptr) {
        QPalette palette = entry_->palette();
        palette.setColor(QPalette::Base, QColor(250, 250, 250));
        entry_->setPalette(palette);
    }
    const std::optional<PromptText> prompt = BuildPrompt(first, countCode);
    if (!prompt) return;
    if (entry_ != nullptr) entry_->setText(prompt->entry);
    for (std::size_t i = 0; i < prompt->fieldNames.size(); ++i) {
        const auto box = static_cast<std::int32_t>(i);
        ui::calcmodd::SetCaptionPair(form_, ui::calcmodd::kLabel2Family, box, box + kValueBoxCount,
                                     prompt->fieldNames[i]);
    }
}

void Keypad::CompleteFunction() {
    const QString& letter = state_.modeLetter;
    if (letter == QLatin1String("p")) {
        if (HoldsText(ValueBox(0)) && hooks_.lookUpAerodrome) hooks_.lookUpAerodrome();
        return;
    }
    if (letter == QLatin1String("y")) {
        if (HoldsText(ValueBox(0)) && HoldsText(ValueBox(1)) && hooks_.crossCountry) {
            hooks_.crossCountry();
        }
        return;
    }
    const std::optional<FlightFunction> function = FlightFunctionOf(letter);
    if (!function) return;

    ValueBoxTexts boxes;
    for (int i = 0; i < kValueBoxCount; ++i) {
        if (const ui::TextBox* box = ValueBox(i)) {
            boxes[static_cast<std::size_t>(i)] = ui::ToUtf8(box->text());
        }
    }
    const ValueBoxTexts typed = boxes;
    const std::string line = CompleteFlightFunction(*function, boxes, flight_);
    // A refused box now shows the range message; a reader hears it before the result.
    QString heard;
    for (int i = 0; i < kValueBoxCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ui::TextBox* box = ValueBox(i);
        if (box != nullptr && boxes[at] != typed[at]) {
            box->setText(ui::FromUtf8(boxes[at]));
            heard += box->text() + QLatin1Char('\n');
        }
    }
    if (entry_ != nullptr) {
        entry_->setText(ui::FromUtf8(line));
        heard += entry_->text();
    }
    ui::Announce(form_, heard);
}

}  // namespace aerlith::keypad
