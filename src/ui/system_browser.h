#pragma once
// Opening a web address in the user's browser, one file per system.

#include <QString>

namespace aerlith::ui {

/// Asks the system to open `address` in the user's browser, once. The outcome is not examined
/// and a failure shows nothing: the program is ending.
void OpenInSystemBrowser(const QString& address);

}  // namespace aerlith::ui
