#pragma once
// Texts between Qt and the pure code, which holds them as bytes: UTF-8 everywhere but for the
// aerodrome file, whose characters are single bytes (Latin-1).

#include <QString>
#include <string>
#include <string_view>

namespace aerlith::ui {

/// UTF-8 bytes of the pure code as a QString; malformed bytes become U+FFFD.
QString FromUtf8(std::string_view bytes);
/// A QString as UTF-8 bytes for the pure code.
std::string ToUtf8(const QString& text);

/// Single bytes, as the aerodrome file holds them, as a QString (Latin-1).
QString FromLatin1(std::string_view bytes);
/// A QString as single bytes for the aerodrome searches (Latin-1); a character beyond Latin-1
/// becomes "?".
std::string ToLatin1(const QString& text);

/// Message-table entry `index` as a QString; the empty text outside 0..80.
QString MessageText(int index);

}  // namespace aerlith::ui
