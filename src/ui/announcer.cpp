#include "ui/announcer.h"

#include <QAccessible>

namespace aerlith::ui {

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Of no size, it draws nothing and covers nothing; a reader is told of it all the same.
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announce(QWidget& window, const QString& text) {
    const QString spoken = text.trimmed();
    if (spoken.isEmpty()) return;
    auto* announcer = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) announcer = new Announcer(window);
    // Hidden and shown again, so that the same result twice is heard twice.
    announcer->hide();
    announcer->setAccessibleName(spoken);
    announcer->show();
    QAccessibleEvent alert(announcer, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace aerlith::ui
