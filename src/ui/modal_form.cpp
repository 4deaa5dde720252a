#include "ui/modal_form.h"

#include <QEventLoop>
#include <QPointer>

#include "ui/platform_hooks.h"

namespace aerlith::ui {

void ModalForm::ShowModal() {
    if (unloaded_) return;
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
}

bool ModalForm::Unload() {
    if (unloaded_) return false;
    unloaded_ = true;
    hide();
    emit Unloaded();
    return true;
}

}  // namespace aerlith::ui
