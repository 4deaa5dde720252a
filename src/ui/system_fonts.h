#pragma once
// How the system lists its fonts, one file per system.

namespace aerlith::ui {

/// True where the font list is read from configuration files at start-up (fontconfig), work
/// worth doing on a thread of its own; false where the system keeps it ready (Windows).
extern const bool kSystemFontConfigurationIsRead;

/// Reads the system's font configuration; does nothing where there is none to read.
void ReadSystemFontConfiguration();

}  // namespace aerlith::ui
