#pragma once

#include "host/command/Value.h"

#include <string>
#include <vector>

namespace vex::host::gui {

// The widgets change the scene the way a user's typed command does: through the host's command
// engine, undoable, so that undo takes back a click exactly as it takes back the command.

/// A flag argument ("-r") for runCommand.
struct Flag {
    std::string name;
};

/// One argument of a command: a flag, a text or a number.
struct CommandArg {
    CommandArg(Flag flag) : value(command::Value::String(std::move(flag.name))), isFlag(true) {}
    CommandArg(std::string text) : value(command::Value::String(std::move(text))) {}
    CommandArg(const char* text) : value(command::Value::String(text)) {}
    CommandArg(double number) : value(command::Value::Float(number)) {}
    command::Value value;
    bool isFlag = false;
};

/// Runs the built-in or plug-in command `name` with `args` (texts quoted as needed, numbers in the "C"
/// form), undoable unless told otherwise; false when it failed (the error went to the script output).
bool RunCommand(const std::string& name, const std::vector<CommandArg>& args, bool undoable = true);

} // namespace vex::host::gui
