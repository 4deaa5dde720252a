#pragma once
// The program's text tables: the message table (every caption, prompt, result prefix, error and
// help text of the main window), the letter-pair and invalid-pair tables cut from two of its
// entries, and the settings table. Constant data; every access is bounds-checked.

#include <optional>
#include <string_view>

namespace aerlith {

inline constexpr int kMessageCount = 81;  ///< message table indices 0 to 80
inline constexpr int kLetterPairCount =
    166;  ///< letter-pair table indices 0 to 165 (1 to 165 used)
inline constexpr int kInvalidPairCount = 25;  ///< invalid-pair table indices 0 to 24 (1 to 24 used)
inline constexpr int kSettingCount = 8;       ///< settings table indices 0 to 7

// The main window's banks, each button captioned from the table, and its value boxes, each
// with a field name from the table above it.
inline constexpr int kKeyCount = 20;         ///< keypad keys, one per character of entry 11
inline constexpr int kConversionCount = 18;  ///< conversion buttons, one per caption of entry 15
inline constexpr int kFunctionCount = 9;     ///< function buttons, captions from entry 21 on
inline constexpr int kValueBoxCount = 4;     ///< value boxes; the prompts name at most four

/// Message-table entry `index`; nullopt outside 0..80 (a subscript error: the reading step
/// then has no effect). Unused entries are empty texts.
std::optional<std::string_view> MessageEntry(int index);

/// Message-table entry `index` for indices known to be valid; the empty text outside 0..80.
std::string_view Message(int index);

/// Letter-pair table entry `index` (two characters cut from entry 8 at position 2*index);
/// entry 0 is empty; nullopt outside 0..165.
std::optional<std::string_view> LetterPair(int index);

/// Invalid-pair table entry `index` (two characters cut from entry 9 at position 2*index);
/// entry 0 is empty; nullopt outside 0..24.
std::optional<std::string_view> InvalidPair(int index);

/// Settings table entry `index` (1: "0" button colour scheme, 3: "OFF", 5: "Tahoma"; the rest
/// empty); nullopt outside 0..7.
std::optional<std::string_view> Setting(int index);

/// Caption of conversion button `button` (0..17): field `button` of entry 15, trimmed.
/// nullopt outside 0..17.
std::optional<std::string_view> ConversionCaption(int button);

/// Caption character of keypad key `key` (0..19): character key+1 of entry 11. nullopt outside.
std::optional<char> KeypadCaption(int key);

}  // namespace aerlith
