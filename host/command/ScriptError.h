#pragma once

#include <string>

namespace vex::host::command {

/// What stopped a script: the command that failed (empty for a syntax error), the line it is on, a
/// reason a person can act on and the file it is in (empty for text that is not a file).
struct ScriptError {
    std::string command;
    int line = 0;
    std::string reason;
    std::string file = {};
    /// The script ended before the error could be decided (an open string, brace or statement):
    /// more text may complete it.
    bool atEnd = false;

    /// Whether there is an error at all.
    bool IsSet() const { return !reason.empty(); }
    /// "file: a.mel line 3: setAttr: No object matches name: ball.tx", without the file part for text
    /// that is not a file and without the command for a syntax error.
    std::string Format() const;
};

} // namespace vex::host::command
