#include "ui/system_fonts.h"

namespace aerlith::ui {

const bool kSystemFontConfigurationIsRead = false;

void ReadSystemFontConfiguration() {}

}  // namespace aerlith::ui
