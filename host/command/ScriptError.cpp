#include "host/command/ScriptError.h"

namespace vex::host::command {

std::string ScriptError::Format() const {
    std::string text = file.empty() ? std::string() : "file: " + file + " ";
    text += "line " + std::to_string(line) + ": ";
    if (!command.empty()) text += command + ": ";
    return text + reason;
}

} // namespace vex::host::command
