#include "ui/texts.h"

#include "tables/text_tables.h"

namespace aerlith::ui {

QString FromUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QString FromLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

QString MessageText(int index) { return FromUtf8(Message(index)); }

}  // namespace aerlith::ui
