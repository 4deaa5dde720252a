#pragma once
// The calculator state the main window owns: what '=' does, the pending function's letter,
// the evaluator's last value, the entry box's home rectangle.

#include <QString>
#include <array>
#include <cstdint>

namespace aerlith::keypad {

/// What '=' does.
enum EntryState : std::int32_t {
    Calculator = 0,       ///< '=' evaluates the entry box
    ConversionShown = 2,  ///< the entry box shows a conversion result; '=' does nothing
    FunctionPending = 3,  ///< '=' completes the function of the mode letter
};

struct CalcsState {
    std::int32_t entryState = Calculator;
    /// Lower-case letter after the "&" of the function or conversion button pressed last.
    QString modeLetter;
    double expressionResult = 0;
    QString editBuffer;
    /// The entry box's home rectangle in twips (left, top, width, height), taken after scaling.
    std::array<std::int32_t, 4> entryHome{};
};

}  // namespace aerlith::keypad
