#include "ui/standard_font.h"

#include <QFile>
#include <QFontDatabase>

#include "ui/calcmodd.h"

namespace aerlith::ui {

void EnsureStandardFont() {
    const QString family = calcmodd::StandardFontName();
    if (QFontDatabase::hasFamily(family)) return;
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma)) QFontDatabase::addApplicationFont(wineTahoma);
}

}  // namespace aerlith::ui
