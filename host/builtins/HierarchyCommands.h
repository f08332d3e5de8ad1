#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "objExists name": whether a node (or a node's plug "node.attr") of that name exists.
bool ObjExistsCommand(CommandContext& context);
/// "nodeType [-inherited] [-api] name": the node's type name; -inherited: the type names from the
/// most general down to its own; -api: the type constant's name ("kTransform").
bool NodeTypeCommand(CommandContext& context);
/// "listRelatives [-c | -p | -ap | -ad] [-s] [-f] [-type t]... [-ni] [objects]": the children (the
/// default), parent, all parents or all descendants of the objects named or selected; -s keeps the
/// shapes only, -ni leaves intermediate objects out, -f answers full paths.
bool ListRelativesCommand(CommandContext& context);

} // namespace vex::host::builtins
