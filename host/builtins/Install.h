#pragma once

namespace vex::host::command {
class Interpreter;
}

namespace vex::host::builtins {

/// Registers the host's built-in script commands (createNode, setAttr, ls, shelf and hotkey commands
/// ...) with the command registry and declares the script variables they rely on ($gShelfTopLevel).
/// Called once, when the command engine is made.
void install(command::Interpreter& interpreter);

} // namespace vex::host::builtins
