#pragma once

#include "host/command/ScriptError.h"
#include "host/command/Statement.h"
#include "host/command/Token.h"

#include <memory>
#include <string_view>
#include <vector>

namespace vex::host::command {

/// Turns a script into statements. The whole script is parsed before anything runs, so a syntax
/// error anywhere stops the script before its first command.
class Parser {
public:
    /// Parses `script` into `statements`; on a syntax error returns false and fills `error` with
    /// the line and the reason.
    static bool Parse(std::string_view script, std::vector<std::unique_ptr<Statement>>& statements,
                      ScriptError& error);
    /// Whether `script` can run as it is: its statements are all closed (by ";" or "}"), or it has a
    /// syntax error that no further text could mend. False while more lines could complete it.
    static bool IsComplete(std::string_view script);
    /// Whether a complete `script` ends with an if statement that has no else yet, so that an
    /// "else" in the text that follows would still belong to it.
    static bool MayTakeElse(std::string_view script);
};

} // namespace vex::host::command
