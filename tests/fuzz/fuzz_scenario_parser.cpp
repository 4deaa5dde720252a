// Feeds arbitrary bytes to the scenario language's parser, line by line, and checks what it says
// of each line without ever acting on a command: a line is a command, nothing or an error, never
// two of these; every index lies in range; the typed keys spell back the text they came from.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "scenario/scenario_parser.h"
#include "tables/text_tables.h"

namespace {

using namespace aerlith::scenario;

void Require(bool condition) {
    if (!condition) std::abort();
}

int LastIndexOf(TargetType type) {
    using aerlith::kValueBoxCount;
    if (type == TargetType::Key) return aerlith::kKeyCount - 1;
    if (type == TargetType::Conversion) return aerlith::kConversionCount - 1;
    if (type == TargetType::Function) return aerlith::kFunctionCount - 1;
    if (type == TargetType::Box) return kValueBoxCount - 1;
    return type == TargetType::Label ? 2 * kValueBoxCount - 1 : 0;
}

bool IsButton(const Target& target) {
    return target.type == TargetType::Key || target.type == TargetType::Conversion ||
           target.type == TargetType::Function;
}

bool InRange(const Target& target) {
    return target.index >= 0 && target.index <= LastIndexOf(target.type);
}

std::string Spelled(const std::vector<Keystroke>& keys) {
    std::string text;
    for (const Keystroke& key : keys) {
        const auto* character = std::get_if<char>(&key);
        const auto named = character ? NamedKey{} : std::get<NamedKey>(key);
        text += character                  ? std::string(1, *character)
                : named == NamedKey::Enter ? "{Enter}"
                : named == NamedKey::Esc   ? "{Esc}"
                                           : "{Backspace}";
    }
    return text;
}

void CheckCommand(const Command& command) {
    // Only buttons are pressed or right-clicked; value boxes and the entry box are typed into.
    if (const auto* press = std::get_if<Press>(&command)) {
        Require(IsButton(press->target) && InRange(press->target));
    } else if (const auto* click = std::get_if<RightClick>(&command)) {
        Require(IsButton(click->target) && InRange(click->target));
    } else if (const auto* type = std::get_if<Type>(&command)) {
        const TargetType into = type->target.type;
        Require((IsButton(type->target) || into == TargetType::Box || into == TargetType::Entry) &&
                InRange(type->target));
    } else if (const auto* hover = std::get_if<Hover>(&command)) {
        Require(InRange(hover->target));
    } else if (const auto* alt = std::get_if<Alt>(&command)) {
        Require(alt->letter != ' ');
    } else if (const auto* shot = std::get_if<Shot>(&command)) {
        Require(!shot->file.empty());
    } else if (const auto* show = std::get_if<Show>(&command)) {
        Require(show->box >= 0 && show->box <= LastIndexOf(TargetType::Box) &&
                (show->what == ShowWhat::Geometry) != show->name.empty() &&
                show->name.find(' ') == std::string::npos);
    }
}

void CheckLine(std::string_view line) {
    const ParsedLine parsed = ParseLine(line);
    // An error message stays one line, so that the runner's report of it does too.
    Require(parsed.error.find('\n') == std::string::npos);
    std::string_view trimmed = line;
    if (!trimmed.empty() && trimmed.back() == '\r') trimmed.remove_suffix(1);
    const std::size_t first = trimmed.find_first_not_of(" \t");
    if (first == std::string_view::npos || trimmed[first] == '#') {
        return Require(!parsed.command && parsed.error.empty());
    }
    Require(parsed.command.has_value() != !parsed.error.empty());
    if (parsed.command) CheckCommand(*parsed.command);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<Keystroke> keys = ParseKeystrokes(input);
    Require(keys.size() <= input.size() && Spelled(keys) == input);
    // The runner reads its script by lines: no line it parses holds a line feed.
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = input.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? input.size() : end;
        CheckLine(input.substr(start, stop - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return 0;
}
