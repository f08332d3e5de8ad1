#pragma once

#include <string>

namespace vex::host::command {

/// What stopped a script: the command that failed (empty for a syntax error), the line it is on and
/// a reason a person can act on.
struct ScriptError {
    std::string command;
    int line = 0;
    std::string reason;

    /// Whether there is an error at all.
    bool IsSet() const { return !reason.empty(); }
    /// "line 3: setAttr: No object matches name: ball.tx", or "line 3: Syntax error: ..." when
    /// no command was running.
    std::string Format() const;
};

} // namespace vex::host::command
