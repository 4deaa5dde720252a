#include <QApplication>

#include "app/application.h"
#include "app/calcs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    aerlith::app::PrepareApplication(application);
    aerlith::app::Calcs calcs(aerlith::app::ProgramDirectory());
    calcs.Form_Load();
    return QApplication::exec();
}
