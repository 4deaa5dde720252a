#include "platform/tool_platform.h"

#include <system_error>

namespace aerlith::tools {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// File names are bytes here, whatever their encoding.
std::filesystem::path PathFromUtf8(std::string_view text) { return std::filesystem::path(text); }

std::filesystem::path ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

std::string SystemFontFolder() { return {}; }

void UseUnchangedLineEnds() {}

}  // namespace aerlith::tools
