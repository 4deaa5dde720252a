#include <QApplication>

#include "app/application.h"
#include "app/calcs.h"
#include "app/data_paths.h"
#include "ui/font_configuration_ahead.h"

int main(int argc, char* argv[]) {
    aerlith::ui::FontConfigurationAhead fonts;
    QApplication application(argc, argv);
    fonts.Wait();
    aerlith::app::PrepareApplication(application);
    const QString programDirectory = aerlith::app::ProgramDirectory();
    aerlith::app::Calcs calcs(programDirectory);
    calcs.SetAerodromeFile(aerlith::app::AerodromeFileFor(programDirectory));
    calcs.Form_Load();
    return QApplication::exec();
}
