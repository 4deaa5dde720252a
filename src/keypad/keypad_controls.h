#pragma once
// Sizes of the main window's banks and the indices of the keypad keys with their own action,
// shared by the handlers of the keypad, the conversion bank and the function bank.

#include <Qt>

namespace aerlith::keypad {

inline constexpr int kKeyCount = 20;
inline constexpr int kConversionCount = 18;
inline constexpr int kFunctionCount = 9;
inline constexpr int kValueBoxCount = 4;

inline constexpr int kClearKey = 11;   // 'C'
inline constexpr int kBackKey = 16;    // '<'
inline constexpr int kEqualsKey = 17;  // '='

inline constexpr Qt::Alignment kEntryLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kEntryCentred = Qt::AlignHCenter | Qt::AlignVCenter;

}  // namespace aerlith::keypad
