#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "createNode type [-n name] [-p parent] [-ss]": answers the new node's name. A shape made without a
/// parent gets a new transform; the node becomes the current node and, without -ss, the selection.
bool CreateNodeCommand(CommandContext& context);
/// "rename [old] new": answers the new name (the selected node when only the new name is given).
bool RenameCommand(CommandContext& context);
/// "delete [names]": deletes the nodes (the selection when none are named) with their DAG children and
/// the anim curves that only drove them.
bool DeleteCommand(CommandContext& context);
/// "parent child... parent", "parent -w child...": moves DAG nodes; -r keeps the local transform,
/// -a (default) the world one; -s moves shapes. Answers the moved nodes' names.
bool ParentCommand(CommandContext& context);
/// "duplicate [-n name] [-un] [-st] names": copies nodes with their DAG children; -un also copies the
/// nodes upstream of them (anim curves) and connects the copies. Answers the new names, roots first.
bool DuplicateCommand(CommandContext& context);

} // namespace vex::host::builtins
