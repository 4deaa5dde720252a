#include "ui/font_configuration_ahead.h"

#include "ui/system_fonts.h"

#include <system_error>

namespace aerlith::ui {

FontConfigurationAhead::FontConfigurationAhead() {
    if (!kSystemFontConfigurationIsRead) return;
    try {
        reader_ = std::thread(ReadSystemFontConfiguration);
    } catch (const std::system_error&) {
        // No thread: Qt reads the configuration on the window's thread, as it always can.
    }
}

FontConfigurationAhead::~FontConfigurationAhead() { Wait(); }

void FontConfigurationAhead::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace aerlith::ui
