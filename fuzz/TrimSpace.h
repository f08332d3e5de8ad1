#pragma once

// The text without the spaces, tabs and line breaks around it (the whitespace the Base64 decoder
// tolerates around its text), shared by the fuzz targets that compare decoded text with written text.

#include <cstddef>
#include <string_view>

namespace vex::fuzz {

inline std::string_view TrimSpace(std::string_view text) {
    const char* space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

} // namespace vex::fuzz
