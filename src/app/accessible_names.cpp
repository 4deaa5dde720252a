// What a screen reader announces for the controls of the main window.

#include <utility>

#include "app/calcs.h"
#include "tables/text_tables.h"
#include "ui/accessibility.h"
#include "ui/control_arrays.h"

namespace aerlith::app {

QString SpokenKeyName(char caption) {
    // A reader speaks "<" as "less than" and "x" as a letter: the keys with a symbol for a
    // caption are named by what they do.
    switch (caption) {
        case '.':
            return QStringLiteral("point");
        case 'C':
            return QStringLiteral("clear");
        case '/':
            return QStringLiteral("divided by");
        case 'x':
            return QStringLiteral("times");
        case '-':
            return QStringLiteral("minus");
        case '+':
            return QStringLiteral("plus");
        case '<':
            return QStringLiteral("backspace");
        case '=':
            return QStringLiteral("equals");
        case '(':
            return QStringLiteral("open bracket");
        case ')':
            return QStringLiteral("close bracket");
        default:
            return QString(QChar::fromLatin1(caption));
    }
}

void Calcs::NameControlsForScreenReaders() {
    for (int i = 0; i < kKeyCount; ++i) {
        if (ui::CheckButton* key = ButtonPlus1(i)) {
            ui::NameForScreenReaders(*key, SpokenKeyName(KeypadCaption(i).value_or(' ')),
                                     key->toolTip());
        }
    }
    // A conversion is read "Metres to Feet" rather than by the symbol between its units.
    const std::pair<ui::ControlArray<ui::CheckButton>, QString (*)(const QString&)> banks[] = {
        {ui::kButtonPlus2, &ui::ConversionInWords},
        {ui::kButtonPlus3, &ui::CaptionWithoutAccelerator}};
    for (const auto& [bank, spoken] : banks) {
        for (ui::CheckButton* button : ui::MembersOf(*this, bank)) {
            ui::NameForScreenReaders(*button, spoken(button->text()), button->toolTip());
        }
    }
    for (int i = 0; i < kValueBoxCount; ++i) {
        ui::TextBox* box = Text1(i);
        if (box == nullptr) continue;
        // The box is named by its field name as the prompt shows it: the label is its buddy, and
        // an empty accessible name leaves the name to that label's current text.
        if (ui::CaptionLabel* label = Label2(i)) label->setBuddy(box);
        ui::NameForScreenReaders(
            *box, QString(),
            QStringLiteral("Type the value here. Enter goes to the next box; '=' works out the "
                           "result, which the entry box then shows."));
    }
    ui::NameForScreenReaders(*text2_, QStringLiteral("Entry"), text2_->toolTip());
    ui::NameForScreenReaders(
        *image3_, QStringLiteral("Flight computer"),
        QStringLiteral("A picture of the two faces of a circular flight computer, shown in turn "
                       "every three seconds."));
    setAccessibleDescription(
        QStringLiteral("Calculator for student pilots: keypad, unit conversions and flight "
                       "computer functions. F1 on a button gives its help."));
}

}  // namespace aerlith::app
