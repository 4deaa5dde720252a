#include "ui/texts.h"

#include "tables/text_tables.h"

namespace aerlith::ui {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) { return text.toStdString(); }

QString MessageText(int index) { return ToQString(Message(index)); }

}  // namespace aerlith::ui
