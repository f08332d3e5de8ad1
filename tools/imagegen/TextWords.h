#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vex::imagegen {

// Line handling shared by the source and manifest readers.

/// The blank-separated words of `line`, up to a word that is just "#" (a comment to the line's end);
/// a line whose first word starts with "#" is a comment as a whole.
std::vector<std::string> SplitWords(std::string_view line);

/// `text` cut into lines (LF or CRLF ends).
std::vector<std::string_view> SplitLines(std::string_view text);

/// "file:line: message", the form every reader's error takes.
std::string Located(const std::string& file, int line, const std::string& message);

} // namespace vex::imagegen
