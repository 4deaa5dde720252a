#pragma once
// The system's font configuration, read on a thread of its own while the program connects to the
// display.

#include <thread>

namespace aerlith::ui {

/// Starts reading the system's font configuration (fontconfig's set-up: its configuration files
/// and the list of installed fonts) on another thread. Made before the QApplication, it reads
/// while the application connects to the display, two steps of about the same length that
/// otherwise follow one another; the first font the window needs then finds the configuration
/// read. Where no thread can be started, nothing is read ahead and Qt reads the configuration
/// itself when it first needs it.
class FontConfigurationAhead {
public:
    FontConfigurationAhead();
    /// Waits for the reading.
    ~FontConfigurationAhead();
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;

    /// Waits until the configuration is read. Call it before the first use of a font: a font
    /// used while the thread still reads would make Qt read the whole configuration a second time.
    void Wait();

private:
    std::thread reader_;
};

}  // namespace aerlith::ui
