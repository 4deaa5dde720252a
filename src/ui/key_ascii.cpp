#include "ui/key_ascii.h"

#include <QKeyEvent>

namespace aerlith::ui {

std::optional<int> KeyAsciiOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Backspace:
            return kKeyBackspace;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    const char16_t code = text.at(0).unicode();
    if (code == 0 || code > 255) return std::nullopt;
    return static_cast<int>(code);
}

}  // namespace aerlith::ui
