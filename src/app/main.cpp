#include <QApplication>

#include "app/application.h"
#include "app/calcs.h"
#include "app/data_paths.h"
#include "ui/font_configuration_ahead.h"

int main(int argc, char* argv[]) {
    // Each on a thread of its own, the font configuration is read while the application connects
    // to the display, and the first picture is decoded while the window is built.
    aerlith::ui::FontConfigurationAhead fonts;
    QApplication application(argc, argv);
    const QString programDirectory = aerlith::app::ProgramDirectory();
    aerlith::app::Calcs::DecodeFirstPictureAhead(programDirectory);
    fonts.Wait();
    aerlith::app::PrepareApplication(application);
    aerlith::app::Calcs calcs(programDirectory);
    calcs.SetAerodromeFile(aerlith::app::AerodromeFileFor(programDirectory));
    calcs.Form_Load();
    return QApplication::exec();
}
