#pragma once
// Where the program's data is found. The aerodrome file and the pictures lie either beside the
// executable (a build tree, or a folder copied as a whole) or in the installed data folder, found
// relative to the executable so that a moved install still works. A user's own aerodrome file
// replaces the installed one, which is read-only and replaced by upgrades.

#include <QString>
#include <filesystem>

namespace aerlith::app {

/// The data folder for an executable that lies in `executableDirectory`: that folder itself when
/// it holds the aerodrome file, else the installed data folder relative to it when that exists,
/// else the executable's folder again (its files are then missing, which the program survives).
QString DataDirectoryFor(const QString& executableDirectory);

/// Where the user's own aerodrome file lives, whether or not it exists: "aerlith/vdats.tst" in
/// the user's data folder ($XDG_DATA_HOME, or ~/.local/share, or the platform's equivalent).
/// Empty when the platform names no such folder. Looks only: creates nothing.
QString UserAerodromeFile();

/// `path` as the standard library names files: UTF-16 on Windows, where a narrow path would be
/// read in the ANSI code page, and Qt's file-name bytes elsewhere.
std::filesystem::path NativePath(const QString& path);

/// The aerodrome file to read: the user's own when it exists, else "vdats.tst" in
/// `dataDirectory`.
QString AerodromeFileFor(const QString& dataDirectory);

}  // namespace aerlith::app
