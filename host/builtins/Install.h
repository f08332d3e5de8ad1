#pragma once

namespace vex::host::command {
class Interpreter;
}

#include "host/builtins/JournaledCommand.h"

#include <string>

namespace vex::host::builtins {

/// Registers the host's built-in script commands (createNode, setAttr, ls, shelf and hotkey commands
/// ...) with the command registry and declares the script variables they rely on ($gShelfTopLevel).
/// Called once, when the command engine is made.
void Install(command::Interpreter& interpreter);

/// The body of the built-in command `name` while the registry still holds the built-in under that
/// name; null otherwise. Lets the scene reader run a file's calls with their values as parsed,
/// without turning every number into text and back.
CommandFunction BuiltinBody(const std::string& name);

} // namespace vex::host::builtins
