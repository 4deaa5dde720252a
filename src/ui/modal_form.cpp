#include "ui/modal_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "ui/platform_hooks.h"

namespace aerlith::ui {

void ModalForm::ShowModal() {
    if (unloaded_) return;
    const QPointer<QWidget> previous = QApplication::activeWindow();
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
