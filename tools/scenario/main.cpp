// aerlith-scenario [--data DIR] [SCRIPT]: drives the real main window from a script of commands
// on Qt's offscreen platform and prints what it is asked to show. Without --data it reads the
// files the program itself would read.

#include <QApplication>
#include <QDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/calcs.h"
#include "app/data_paths.h"
#include "platform/tool_platform.h"
#include "scenario/scenario_runner.h"
#include "ui/platform_hooks.h"

namespace {

/// The file describing the fixed screen, as Qt reads a file name (UTF-8): the build tree's copy,
/// else the installed one beside the executable; empty when neither is there, and Qt's default
/// offscreen screen is used.
std::string OffscreenConfig() {
    std::error_code error;
    if (std::filesystem::is_regular_file(AERLITH_OFFSCREEN_CONFIG, error)) {
        return AERLITH_OFFSCREEN_CONFIG;
    }
    const std::filesystem::path beside = aerlith::tools::ExecutableDirectory();
    if (beside.empty()) return {};
    const std::filesystem::path installed = beside / AERLITH_INSTALLED_OFFSCREEN_CONFIG;
    if (!std::filesystem::is_regular_file(installed, error)) return {};
    const std::u8string text = installed.u8string();
    return std::string(text.begin(), text.end());
}

int Usage(const char* why) {
    std::cerr << "aerlith-scenario: " << why << "\nusage: aerlith-scenario [--data DIR] [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    aerlith::tools::UseUnchangedLineEnds();
    const std::vector<std::string> arguments = aerlith::tools::Utf8Arguments(argc, argv);
    std::string dataDirectory;
    std::string scriptPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--data") {
            if (i + 1 >= arguments.size()) return Usage("--data needs a folder");
            dataDirectory = arguments[++i];
        } else if (!argument.empty() && argument[0] == '-' && argument != "-") {
            return Usage("unknown option");
        } else if (scriptPath.empty()) {
            scriptPath = argument;
        } else {
            return Usage("only one script");
        }
    }

    // A fixed 1920 x 1080 screen at 96 dots per inch, so a pixel is 15 twips, whatever machine
    // runs the scenario; also when the offscreen platform is named bare, which would give Qt's
    // default screen. A caller that names another platform, or configures the offscreen one
    // itself, keeps that.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const std::string config = OffscreenConfig();
        if (config.empty()) std::cerr << "aerlith-scenario: no screen file, Qt's default screen\n";
        qputenv("QT_QPA_PLATFORM",
                config.empty() ? QByteArray("offscreen")
                               : "offscreen:configfile=" + QByteArray::fromStdString(config));
    }
    // Offscreen, Qt reads fonts from one folder; where the system keeps its fonts in one (on
    // Windows), that is the folder, unless the caller named another.
    const std::string fontFolder = aerlith::tools::SystemFontFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !fontFolder.empty()) {
        qputenv("QT_QPA_FONTDIR", QByteArray::fromStdString(fontFolder));
    }
    QApplication application(argc, argv);
    aerlith::app::PrepareApplication(application);

    const QDir startDirectory = QDir::current();
    const QString programDirectory =
        dataDirectory.empty()
            ? aerlith::app::ProgramDirectory()
            : startDirectory.absoluteFilePath(QString::fromStdString(dataDirectory));

    std::ifstream scriptFile;
    if (!scriptPath.empty() && scriptPath != "-") {
        scriptFile.open(aerlith::app::NativePath(
            startDirectory.absoluteFilePath(QString::fromStdString(scriptPath))));
        if (!scriptFile) return Usage("cannot read the script");
    }
    std::istream& script = scriptFile.is_open() ? scriptFile : std::cin;

    aerlith::app::Calcs calcs(programDirectory);
    // A folder named on the command line is used as it is; otherwise the program's own choice,
    // the user's aerodrome file included.
    if (dataDirectory.empty()) {
        calcs.SetAerodromeFile(aerlith::app::AerodromeFileFor(programDirectory));
    }
    aerlith::scenario::ScenarioRunner runner(calcs, std::cout,
                                             startDirectory.absolutePath().toStdString());
    aerlith::ui::SetEndProgram([&runner] { runner.ProgramEnded(); });
    aerlith::ui::SetOpenWebAddress(
        [&runner](const QString& address) { runner.WebAddressOpened(address.toStdString()); });
    aerlith::ui::SetModalObserver(
        [&runner](aerlith::ui::Form& modal) { runner.ModalShown(modal); });

    calcs.Form_Load();
    calcs.Timer1().stop();
    calcs.activateWindow();
    if (!QTest::qWaitForWindowActive(&calcs)) std::cerr << "aerlith-scenario: window not active\n";
    return runner.Run(script);
}
