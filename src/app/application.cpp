#include "app/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/data_paths.h"
#include "ui/accessibility.h"
#include "ui/standard_font.h"

namespace aerlith::app {

void PrepareApplication(QApplication& application) {
    // One style everywhere, so that the bank colours show as drawn on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    application.setApplicationName(QStringLiteral("aerlith"));
    ui::EnsureStandardFont();
    ui::InstallAccessibleInterfaces();
}

QString ProgramDirectory() { return DataDirectoryFor(QCoreApplication::applicationDirPath()); }

}  // namespace aerlith::app
