#pragma once
// What every program that opens our windows does first.

#include <QString>

class QApplication;

namespace aerlith::app {

/// Sets the look every window is drawn in and makes the standard font available.
void PrepareApplication(QApplication& application);

/// The folder of the aerodrome file and the pictures: the executable's own folder when they lie
/// beside it, else the installed data folder relative to the executable.
QString ProgramDirectory();

}  // namespace aerlith::app
