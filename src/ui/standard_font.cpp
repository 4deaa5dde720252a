#include "ui/standard_font.h"

#include <QFile>
#include <QFontDatabase>

#include "ui/calcmodd.h"

namespace aerlith::ui {

void EnsureStandardFont() {
    const QString family = calcmodd::StandardFontName();
    // The installed family itself is wanted, not an alias: hasFamily() would first run the name
    // through fontconfig's substitution rules as well, which costs time at every start.
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) return;
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma)) QFontDatabase::addApplicationFont(wineTahoma);
}

}  // namespace aerlith::ui
