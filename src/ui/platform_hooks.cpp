#include "ui/platform_hooks.h"

#include <QCoreApplication>

#include "ui/system_browser.h"

namespace aerlith::ui {
namespace {

void LeaveEventLoop() { QCoreApplication::exit(0); }

OpenWebAddressFunction& OpenFunction() {
    static OpenWebAddressFunction function = OpenInSystemBrowser;
    return function;
}

EndProgramFunction& EndFunction() {
    static EndProgramFunction function = LeaveEventLoop;
    return function;
}

ModalObserver& Observer() {
    static ModalObserver observer;
    return observer;
}

}  // namespace

void OpenWebAddress(const QString& address) {
    if (address.isEmpty()) return;
    OpenFunction()(address);
}

void EndProgram() { EndFunction()(); }

OpenWebAddressFunction SetOpenWebAddress(OpenWebAddressFunction function) {
    OpenWebAddressFunction previous = OpenFunction();
    OpenFunction() = function ? std::move(function) : OpenInSystemBrowser;
    return previous;
}

EndProgramFunction SetEndProgram(EndProgramFunction function) {
    EndProgramFunction previous = EndFunction();
    EndFunction() = function ? std::move(function) : LeaveEventLoop;
    return previous;
}

void ModalShown(Form& modal) {
    if (Observer()) Observer()(modal);
}

ModalObserver SetModalObserver(ModalObserver observer) {
    ModalObserver previous = Observer();
    Observer() = std::move(observer);
    return previous;
}

}  // namespace aerlith::ui
