#pragma once
// Which help a right-click on a button of the main window shows: chosen by bank and member.
// Plain C++: no Qt.

namespace aerlith::ui {

/// The three button banks of the main window.
enum class HelpBank {
    Keypad,       ///< buttonplus1
    Conversions,  ///< buttonplus2
    Functions,    ///< buttonplus3
};

/// Message-table entries of one help box: the text is entry `text` followed by entry
/// `closing`; the box's title is entry `title`.
struct HelpEntries {
    int text;
    int closing;
    int title;
};

/// The mouse button code of the right button in a button-release notification.
inline constexpr int kRightButton = 2;

/// The help for member `index` of `bank`. Members 3 and 4 of the function bank (the
/// cross-country and the aerodrome look-up buttons) share the flight-plan help; every other
/// function button gets the formula help. The index is not checked against the bank's size.
HelpEntries ContextHelpEntries(HelpBank bank, int index);

}  // namespace aerlith::ui
