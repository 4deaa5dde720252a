#pragma once
// The indices of the keypad keys with their own action and the entry box's alignments, shared
// by the handlers of the keypad, the conversion bank and the function bank. The banks' sizes
// come with their captions from the text tables.

#include <Qt>

namespace aerlith::keypad {

inline constexpr int kClearKey = 11;   // 'C'
inline constexpr int kBackKey = 16;    // '<'
inline constexpr int kEqualsKey = 17;  // '='

inline constexpr Qt::Alignment kEntryLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kEntryCentred = Qt::AlignHCenter | Qt::AlignVCenter;

}  // namespace aerlith::keypad
