#include "app/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "ui/standard_font.h"

namespace aerlith::app {

void PrepareApplication(QApplication& application) {
    // One style everywhere, so that the bank colours show as drawn on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    application.setApplicationName(QStringLiteral("aerlith"));
    ui::EnsureStandardFont();
}

QString ProgramDirectory() { return QCoreApplication::applicationDirPath(); }

}  // namespace aerlith::app
