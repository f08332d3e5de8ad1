#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vex::host::command {

class Interpreter;

/// Registers the language's string functions: tokenize, substring, substitute, substituteAllString,
/// match, gmatch, strip, toupper, tolower, startsWith, endsWith, size, strcmp, stringArrayContains,
/// stringArrayToString and stringToStringArray.
void InstallStringFunctions(Interpreter& interpreter);

/// The pieces of `text` between the characters of `separators`, empty pieces left out.
std::vector<std::string> SplitText(std::string_view text, std::string_view separators);

/// Whether `text` matches the wildcard `pattern` as a whole: "*" any run, "?" any one character,
/// "[abc]" or "[a-z]" one of a set, "\\" takes the next character as it is.
bool GlobMatch(std::string_view pattern, std::string_view text);

} // namespace vex::host::command
