#include <fontconfig/fontconfig.h>

#include "ui/system_fonts.h"

namespace aerlith::ui {

const bool kSystemFontConfigurationIsRead = true;

void ReadSystemFontConfiguration() { FcInit(); }

}  // namespace aerlith::ui
