#include "ui/accessibility.h"

#include <QWidget>

namespace aerlith::ui {

QString CaptionWithoutAccelerator(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            // "&&" is a literal ampersand; a lone "&" only marks the next letter.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                spoken += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        spoken += caption.at(i);
    }
    return spoken;
}

void NameForScreenReaders(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

}  // namespace aerlith::ui
