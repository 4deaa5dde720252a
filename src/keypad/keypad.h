#pragma once
// The keypad, the entry box, the value boxes, the conversion bank and the function bank of the
// main window: what every press and every typed key does. Each handler reads the controls'
// texts, calls the pure code (expression check, evaluator, conversions, flight formulas) and
// writes the result back; none of the arithmetic lives here.

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "flight/flight_formulas.h"
#include "keypad/calcs_state.h"
#include "tables/text_tables.h"

class QWidget;

namespace aerlith::ui {
class CaptionLabel;
class CheckButton;
class Form;
class ImageBox;
class TextBox;
}  // namespace aerlith::ui

namespace aerlith::keypad {

/// What the keypad needs from the rest of the program. An empty function does nothing.
struct KeypadHooks {
    /// The main window's closing path, run as when the user closes the window.
    std::function<void()> closeWindow;
    /// Completion of "Look U&p Airport ID" (mode letter p). '=' runs it only while value box 0
    /// holds text.
    std::function<void()> lookUpAerodrome;
    /// Completion of "Xcntr&y Dist and Track" (mode letter y). '=' runs it only while value
    /// boxes 0 and 1 both hold text; closing an open aerodrome file first is its own business.
    std::function<void()> crossCountry;
};

/// Handlers of the main window's keypad (buttonplus1 0..19), conversion bank (buttonplus2
/// 0..17), function bank (buttonplus3 0..8), value boxes (Text1 0..3) and entry box (Text2).
/// A control that does not exist makes the step that uses it do nothing.
class Keypad : public QObject {
    Q_OBJECT
public:
    /// `form` is the main window; its control arrays are looked up by Attach.
    Keypad(ui::Form& form, CalcsState& state, KeypadHooks hooks);

    /// Finds the controls by array name and connects their signals to the handlers. Call once,
    /// after the control arrays have all their members.
    void Attach();

    KeypadHooks& Hooks() { return hooks_; }
    /// Key `index` was pressed (once per press): enables '=', then '=' runs its dispatch, 'C'
    /// clears and unlocks, '<' drops the last character, any other key appends its caption and
    /// returns to the calculator.
    void buttonplus1_Click(int index);
    /// A character typed on key `index`: Esc closes the window, Backspace presses '<', '^'
    /// appends "^" (also while the banks are locked), a character equal to a lower-cased caption
    /// presses that key (so 'c' clears and 'C' does nothing). Locked keys are not pressed.
    void buttonplus1_KeyPress(int index, int keyAscii);

    /// Value box `index` changed: a trailing "=" is removed and '=' pressed.
    void Text1_Change(int index);
    /// A character typed in value box `index`: Enter moves to the next box when it is shown,
    /// Esc presses 'C'. Everything else is typed into the box.
    void Text1_KeyPress(int index, int keyAscii);

    /// A character typed in the entry box: Enter and '=' press '=', 'c' presses 'C', '<' presses
    /// '<'; none of these is typed into the box. Esc does nothing.
    void Text2_KeyPress(int keyAscii);
    /// The user typed or pasted into the entry box: a shown conversion result becomes an
    /// expression again.
    void Text2_Edited();

    /// Checks the entry box text before it is evaluated; true means refused. An invalid
    /// character pair replaces the text by the message naming the pair.
    bool CheckExpression();
    /// Locks (false) or unlocks (true) the keypad except 'C' and '=' and the whole conversion
    /// bank; the entry box gets its single border and home rectangle back, its text is centred
    /// when locking, and it takes no typing while locked.
    void SetKeysEnabled(bool enable);
    /// Hides and empties the value boxes and hides their labels; empties the entry box.
    void ClearValueBoxes();
    /// Gives `control` the focus only when it is visible and enabled; nullptr does nothing.
    void FocusIfAvailable(QWidget* control);

    /// Conversion button `index` was pressed: converts the number the entry box starts with.
    void buttonplus2_Click(int index);
    /// A character typed on conversion button `index`: 'c' presses 'C', Enter presses the
    /// button again. Everything else, Esc included, does nothing.
    void buttonplus2_KeyPress(int index, int keyAscii);

    /// Function button `index` was pressed: starts its function afresh (locks the banks, hides
    /// the picture, sets the mode letter, shows the value boxes and the prompt).
    void buttonplus3_Click(int index);
    /// A character typed on function button `index`: 'c' presses 'C', Enter presses the button
    /// again.
    void buttonplus3_KeyPress(int index, int keyAscii);
    /// Shows value boxes 0..countCode with their labels and writes the prompt and field names
    /// built from message-table entry `first` (count code 0, 1 or 3; any other code shows the
    /// boxes and writes nothing).
    void ShowPrompt(int first, int countCode);

private:
    /// '=': by entryState, evaluate the expression, nothing, or complete the pending function.
    void Equals();
    void EvaluateEntry();
    void CompleteFunction();
    /// Presses a control as a keyboard route does; a missing or locked one is not pressed.
    static void Press(ui::CheckButton* button);

    ui::CheckButton* Key(int index) const;
    ui::CheckButton* Conversion(int index) const;
    ui::CheckButton* Function(int index) const;
    ui::TextBox* ValueBox(int index) const;
    ui::CaptionLabel* Label(int index) const;

    ui::Form& form_;
    CalcsState& state_;
    KeypadHooks hooks_;
    // The flight-computer values, kept from one '=' to the next.
    KeptFlightValues flight_;

    std::array<ui::CheckButton*, kKeyCount> keys_{};
    std::array<ui::CheckButton*, kConversionCount> conversions_{};
    std::array<ui::CheckButton*, kFunctionCount> functions_{};
    std::array<ui::TextBox*, kValueBoxCount> valueBoxes_{};
    /// Each value box's field name and, behind it, its shadow.
    std::array<ui::CaptionLabel*, 2 * kValueBoxCount> labels_{};
    ui::TextBox* entry_ = nullptr;
    ui::ImageBox* picture_ = nullptr;
};

}  // namespace aerlith::keypad
