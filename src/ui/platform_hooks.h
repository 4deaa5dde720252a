#pragma once
// The two things the program asks of the world outside its windows: open the maker's web
// address in the browser, and end. Both are replaceable so that tests and the scenario runner
// can observe them instead of performing them.

#include <QString>
#include <functional>

namespace aerlith::ui {

using OpenWebAddressFunction = std::function<void(const QString& address)>;
using EndProgramFunction = std::function<void()>;

/// Opens `address` in the user's browser (the default asks Qt's desktop services; the result is
/// not examined). An empty address opens nothing.
void OpenWebAddress(const QString& address);
/// Ends the program (the default leaves the event loop with status 0).
void EndProgram();

/// Replace the functions; an empty function restores the default. Returns the one replaced.
OpenWebAddressFunction SetOpenWebAddress(OpenWebAddressFunction function);
EndProgramFunction SetEndProgram(EndProgramFunction function);

}  // namespace aerlith::ui
