#include "ui/font_configuration_ahead.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace aerlith::ui {

FontConfigurationAhead::FontConfigurationAhead() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread: Qt reads the configuration on the window's thread, as it always can.
    }
}

FontConfigurationAhead::~FontConfigurationAhead() { Wait(); }

void FontConfigurationAhead::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace aerlith::ui
