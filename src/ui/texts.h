#pragma once
// The text tables as Qt strings.

#include <QString>
#include <string_view>

namespace aerlith::ui {

/// A std::string_view of the pure code as a QString (UTF-8).
QString ToQString(std::string_view text);
/// A QString for the pure code (UTF-8).
std::string ToStdString(const QString& text);

/// Message-table entry `index` as a QString; the empty text outside 0..80.
QString MessageText(int index);

}  // namespace aerlith::ui
