#pragma once
// The two things the program asks of the world outside its windows: open the maker's web
// address in the browser, and end. Both are replaceable so that tests and the scenario runner
// can observe them instead of performing them. Modal windows are announced the same way, so a
// driver can answer them from inside their wait.

#include <QString>
#include <functional>

namespace aerlith::ui {

class Form;

using OpenWebAddressFunction = std::function<void(const QString& address)>;
using EndProgramFunction = std::function<void()>;

/// Opens `address` in the user's browser (by default the system's own way, once; the result is
/// not examined). An empty address opens nothing.
void OpenWebAddress(const QString& address);
/// Ends the program (the default leaves the event loop with status 0).
void EndProgram();

/// Replace the functions; an empty function restores the default. Returns the one replaced.
OpenWebAddressFunction SetOpenWebAddress(OpenWebAddressFunction function);
EndProgramFunction SetEndProgram(EndProgramFunction function);

/// Told about every modal window right after it is shown and before its wait begins, so that a
/// driver (the scenario runner, a test) can answer it. The default does nothing.
using ModalObserver = std::function<void(Form& modal)>;
/// Tells the observer that `modal` is now shown modally.
void ModalShown(Form& modal);
/// Replaces the observer; an empty function restores the default. Returns the one replaced.
ModalObserver SetModalObserver(ModalObserver observer);

}  // namespace aerlith::ui
