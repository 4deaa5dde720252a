#pragma once
// The scenario language: one command a line, parsed without touching any window.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace aerlith::scenario {

enum class TargetType {
    Key,
    Conversion,
    Function,
    Box,
    Entry,
    Label,
    Picture,
    Background,
    Outside,  ///< `hover outside`: no widget, the pointer leaves the main window
};

/// A thing a command acts on: `key C`, `conv J`, `func I`, `box N`, `label N`, `entry`, ...
struct Target {
    TargetType type = TargetType::Entry;
    int index = 0;  ///< keypad index for keys, member index otherwise
};

/// One key of a `type` command: a character, or one of the named keys.
enum class NamedKey { Enter, Esc, Backspace };
using Keystroke = std::variant<char, NamedKey>;

enum class Reply { Ok, Skip, Enter, Esc, Click, Close };

enum class ShowWhat { Entry, Box, State, Enabled, Picture, Title, Focus, Underline, Geometry };

struct Press {
    Target target;
};
struct Alt {
    char letter;
};
struct Type {
    Target target;
    std::vector<Keystroke> keys;
};
struct RightClick {
    Target target;
};
struct Hover {
    Target target;
};
struct Answer {
    Reply reply;
};
struct Tick {};
struct Close {};
struct Shot {
    std::string file;
};
struct Show {
    ShowWhat what;
    int box = 0;       ///< for `show box N`
    std::string name;  ///< for `show geometry NAME`
};

using Command = std::variant<Press, Alt, Type, RightClick, Hover, Answer, Tick, Close, Shot, Show>;

/// Result of parsing one line: a command, nothing (blank line or comment), or why the line
/// cannot be understood.
struct ParsedLine {
    std::optional<Command> command;
    std::string error;  ///< non-empty exactly when the line is not understood
};

ParsedLine ParseLine(std::string_view line);

/// A whole text naming one target, views included ("key =", "conv 3", "label 7", "picture",
/// "outside");
/// nullopt for anything else.
std::optional<Target> ParseTargetName(std::string_view name);

/// The keypad index (0..19) of the key captioned `caption`, or nullopt.
std::optional<int> KeyIndexOfCaption(char caption);

/// `{Enter}`, `{Esc}` and `{Backspace}` as named keys, every other character as itself.
std::vector<Keystroke> ParseKeystrokes(std::string_view text);

}  // namespace aerlith::scenario
