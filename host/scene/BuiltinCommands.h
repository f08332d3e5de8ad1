#pragma once

#include <vector>

namespace vex::host {

/// A command built into the host: "undo", "redo", "flushUndo", "loadPlugin", "unloadPlugin".
struct BuiltinCommand {
    const char* name;
    void* (*creator)();
};

/// Every built-in command.
const std::vector<BuiltinCommand>& builtinCommands();

} // namespace vex::host
