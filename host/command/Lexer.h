#pragma once

#include "host/command/ScriptError.h"
#include "host/command/Token.h"

#include <string_view>
#include <vector>

namespace vex::host::command {

/// Cuts a script into tokens: names, flags, numbers, strings with their escapes applied,
/// variables and symbols; drops blank space and "//" and "/* */" comments.
class Lexer {
public:
    /// The tokens of `script`, ending with an End token. On bad input (an unterminated string or
    /// comment, a stray character) returns false and describes it in `error`.
    static bool Tokenize(std::string_view script, std::vector<Token>& tokens, ScriptError& error);
};

} // namespace vex::host::command
