#pragma once
// What the command-line tools need of the system beneath them, the same on every system: their
// arguments and paths in UTF-8, their own folder, and an output whose bytes do not depend on
// where it runs.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace aerlith::tools {

/// The program's arguments after its name, in UTF-8. On Windows they are read from the wide
/// command line, so names outside the ANSI code page ("Zoë") arrive whole; elsewhere they are
/// `argv` as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

/// The path named by the UTF-8 text `text`.
std::filesystem::path PathFromUtf8(std::string_view text);

/// The folder holding the running executable; empty when the system does not tell.
std::filesystem::path ExecutableDirectory();

/// The folder of the system's own fonts, in UTF-8, for a font database that reads font files
/// from one folder (Qt's offscreen platform on Windows); empty where the system's font
/// configuration finds them (fontconfig).
std::string SystemFontFolder();

/// Makes standard output and standard error write "\n" as it is. Windows would otherwise turn it
/// into "\r\n", and a tool's output would differ from one system to the other.
void UseUnchangedLineEnds();

}  // namespace aerlith::tools
