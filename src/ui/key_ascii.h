#pragma once
// The character code a key press carries, as the handlers of our windows see it.

#include <optional>

class QKeyEvent;

namespace aerlith::ui {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;

/// Enter and Return give 13, Escape 27, Backspace 8; a key that types one character below 256
/// gives that character's code. Anything else (arrows, function keys, Alt combinations, a
/// character beyond Latin-1) gives nullopt.
std::optional<int> KeyAsciiOf(const QKeyEvent& event);

}  // namespace aerlith::ui
