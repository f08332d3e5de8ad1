#pragma once

#include "host/scene/CommandSyntax.h"

#include <memory>
#include <vector>

namespace vex::host {

/// A command built into the host: "undo", "redo", "flushUndo", "loadPlugin", "unloadPlugin", "file".
struct BuiltinCommand {
    const char* name;
    void* (*creator)();
    std::shared_ptr<const CommandSyntax> syntax;
};

/// Every built-in command.
const std::vector<BuiltinCommand>& BuiltinCommands();

} // namespace vex::host
