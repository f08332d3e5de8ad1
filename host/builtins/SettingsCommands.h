#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "currentUnit [-l unit] [-a unit] [-t unit]" sets the UI units; with -q answers the one named
/// ("cm", "deg", "film"; -f for full names such as "centimeter").
bool CurrentUnitCommand(CommandContext& context);
/// "upAxis -ax y|z"; "upAxis -q -ax" answers "y" or "z".
bool UpAxisCommand(CommandContext& context);
/// "requires [flags] name version": records what a scene file needs.
bool RequiresCommand(CommandContext& context);
/// "fileInfo key value" records an entry; "fileInfo -q key" answers it.
bool FileInfoCommand(CommandContext& context);

} // namespace vex::host::builtins
