#include "scenario/scenario_parser.h"

#include <charconv>

#include "tables/text_tables.h"

namespace aerlith::scenario {
namespace {

// Splits off the first word (up to one blank) and returns it; `rest` keeps what follows that
// single blank, so that typed text keeps its own blanks.
std::string_view TakeWord(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string_view word = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    return word;
}

std::optional<int> ParseIndex(std::string_view text, int last) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    if (value < 0 || value > last) return std::nullopt;
    return value;
}

struct TargetParse {
    std::optional<Target> target;
    std::string error;
};

// Reads a target from the front of `rest`; the words it used are removed.
TargetParse ParseTarget(std::string_view& rest, bool allowViews) {
    const std::string_view kind = TakeWord(rest);
    auto indexed = [&](TargetType type, int last, const char* what) -> TargetParse {
        const std::string_view word = TakeWord(rest);
        const auto index = ParseIndex(word, last);
        if (!index) {
            return {std::nullopt, std::string(what) + " takes a number from 0 to " +
                                      std::to_string(last) + ", not '" + std::string(word) + "'"};
        }
        return {Target{type, *index}, {}};
    };
    if (kind == "key") {
        const std::string_view word = TakeWord(rest);
        const auto index = word.size() == 1 ? KeyIndexOfCaption(word[0]) : std::nullopt;
        if (!index) return {std::nullopt, "no keypad key '" + std::string(word) + "'"};
        return {Target{TargetType::Key, *index}, {}};
    }
    if (kind == "conv") return indexed(TargetType::Conversion, kConversionCount - 1, "conv");
    if (kind == "func") return indexed(TargetType::Function, kFunctionCount - 1, "func");
    if (kind == "box") return indexed(TargetType::Box, kValueBoxCount - 1, "box");
    if (kind == "entry") return {Target{TargetType::Entry, 0}, {}};
    if (allowViews) {
        if (kind == "label") return indexed(TargetType::Label, 2 * kValueBoxCount - 1, "label");
        if (kind == "picture") return {Target{TargetType::Picture, 0}, {}};
        if (kind == "background") return {Target{TargetType::Background, 0}, {}};
        if (kind == "outside") return {Target{TargetType::Outside, 0}, {}};
    }
    return {std::nullopt, "unknown target '" + std::string(kind) + "'"};
}

bool IsWidgetName(std::string_view name) {
    if (name.empty()) return false;
    std::size_t i = 0;
    while (i < name.size() &&
           ((name[i] >= 'A' && name[i] <= 'Z') || (name[i] >= 'a' && name[i] <= 'z') ||
            (name[i] >= '0' && name[i] <= '9'))) {
        ++i;
    }
    if (i == 0) return false;
    if (i == name.size()) return true;
    if (name[i] != '(' || name.back() != ')') return false;
    const std::string_view digits = name.substr(i + 1, name.size() - i - 2);
    return !digits.empty() && digits.size() <= 4 &&
           digits.find_first_not_of("0123456789") == std::string_view::npos;
}

ParsedLine Fail(std::string why) { return {std::nullopt, std::move(why)}; }

ParsedLine ParseShow(std::string_view rest) {
    const std::string_view what = TakeWord(rest);
    auto simple = [&](ShowWhat kind) -> ParsedLine {
        if (!rest.empty()) return Fail("show " + std::string(what) + " takes nothing more");
        return {Show{kind, 0, {}}, {}};
    };
    if (what == "entry") return simple(ShowWhat::Entry);
    if (what == "state") return simple(ShowWhat::State);
    if (what == "enabled") return simple(ShowWhat::Enabled);
    if (what == "picture") return simple(ShowWhat::Picture);
    if (what == "title") return simple(ShowWhat::Title);
    if (what == "focus") return simple(ShowWhat::Focus);
    if (what == "underline") return simple(ShowWhat::Underline);
    if (what == "box") {
        const auto index = ParseIndex(rest, kValueBoxCount - 1);
        if (!index) return Fail("show box takes a number from 0 to 3");
        return {Show{ShowWhat::Box, *index, {}}, {}};
    }
    if (what == "geometry") {
        if (!IsWidgetName(rest)) return Fail("show geometry takes a widget name");
        return {Show{ShowWhat::Geometry, 0, std::string(rest)}, {}};
    }
    return Fail("cannot show '" + std::string(what) + "'");
}

}  // namespace

std::optional<Target> ParseTargetName(std::string_view name) {
    const TargetParse parsed = ParseTarget(name, true);
    if (!parsed.target || !name.empty()) return std::nullopt;
    return parsed.target;
}

std::optional<int> KeyIndexOfCaption(char caption) {
    for (int key = 0; key < kKeyCount; ++key) {
        if (KeypadCaption(key) == caption) return key;
    }
    return std::nullopt;
}

std::vector<Keystroke> ParseKeystrokes(std::string_view text) {
    std::vector<Keystroke> keys;
    keys.reserve(text.size());
    static constexpr std::pair<std::string_view, NamedKey> kNamed[] = {
        {"{Enter}", NamedKey::Enter},
        {"{Esc}", NamedKey::Esc},
        {"{Backspace}", NamedKey::Backspace}};
    std::size_t i = 0;
    while (i < text.size()) {
        bool named = false;
        for (const auto& [name, key] : kNamed) {
            if (text.substr(i, name.size()) == name) {
                keys.emplace_back(key);
                i += name.size();
                named = true;
                break;
            }
        }
        if (!named) keys.emplace_back(text[i++]);
    }
    return keys;
}

ParsedLine ParseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return {};
    std::string_view rest = line.substr(first);
    const std::string_view verb = TakeWord(rest);

    if (verb == "press" || verb == "rightclick" || verb == "hover" || verb == "type") {
        const bool views = verb == "hover";
        TargetParse parsed = ParseTarget(rest, views);
        if (!parsed.target) return Fail(std::move(parsed.error));
        if (verb == "type") return {Type{*parsed.target, ParseKeystrokes(rest)}, {}};
        if (!rest.empty()) return Fail(std::string(verb) + " takes nothing after its target");
        if (verb == "press") {
            if (parsed.target->type == TargetType::Box ||
                parsed.target->type == TargetType::Entry) {
                return Fail("press takes a key, conv or func");
            }
            return {Press{*parsed.target}, {}};
        }
        if (verb == "rightclick") {
            if (parsed.target->type == TargetType::Box ||
                parsed.target->type == TargetType::Entry) {
                return Fail("rightclick takes a key, conv or func");
            }
            return {RightClick{*parsed.target}, {}};
        }
        return {Hover{*parsed.target}, {}};
    }
    if (verb == "alt") {
        if (rest.size() != 1 || rest[0] == ' ') return Fail("alt takes one character");
        return {Alt{rest[0]}, {}};
    }
    if (verb == "answer") {
        static constexpr std::pair<std::string_view, Reply> kReplies[] = {
            {"ok", Reply::Ok},   {"skip", Reply::Skip},   {"enter", Reply::Enter},
            {"esc", Reply::Esc}, {"click", Reply::Click}, {"close", Reply::Close}};
        for (const auto& [name, reply] : kReplies) {
            if (rest == name) return {Answer{reply}, {}};
        }
        return Fail("answer takes ok, skip, enter, esc, click or close");
    }
    if (verb == "tick" || verb == "close") {
        if (!rest.empty()) return Fail(std::string(verb) + " takes nothing more");
        if (verb == "tick") return {Tick{}, {}};
        return {Close{}, {}};
    }
    if (verb == "shot") {
        if (rest.empty()) return Fail("shot takes a file name");
        return {Shot{std::string(rest)}, {}};
    }
    if (verb == "show") return ParseShow(rest);
    return Fail("unknown command '" + std::string(verb) + "'");
}

}  // namespace aerlith::scenario
