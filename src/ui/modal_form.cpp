#include "ui/modal_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "ui/platform_hooks.h"

namespace aerlith::ui {
namespace {

// The window the user came from. Activation is delivered late on some platforms, so right after
// another modal window closed the active window may still be that one, or none at all: then the
// visible window that is not modal is the one to go back to.
QWidget* WindowToReturnTo(const QWidget& modal) {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != &modal && active->isVisible() &&
        qobject_cast<ModalForm*>(active) == nullptr) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &modal && window->isVisible() &&
            qobject_cast<ModalForm*>(window) == nullptr) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

void ModalForm::ShowModal() {
    if (unloaded_) return;
    const QPointer<QWidget> previous = WindowToReturnTo(*this);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    const QPointer<ModalForm> self(this);
    ModalShown(*this);
    if (self == nullptr || unloaded_) return;
    QEventLoop wait;
    connect(this, &ModalForm::Unloaded, &wait, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::DialogExec);
    // Keys go back to the window the user came from, whatever the platform activates next.
    if (previous != nullptr && previous->isVisible()) previous->activateWindow();
}

bool ModalForm::Unload() {
    if (unloaded_) return false;
    unloaded_ = true;
    hide();
    emit Unloaded();
    return true;
}

}  // namespace aerlith::ui
