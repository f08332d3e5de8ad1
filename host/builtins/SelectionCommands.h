#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/Node.h"

#include <optional>
#include <string>
#include <vector>

namespace vex::host::builtins {

/// "select [-r | -add | -d | -cl] [-ne] names": changes the active selection (undoable); the last
/// node named becomes the current node.
bool SelectCommand(CommandContext& context);
/// "ls [-sl] [-type t]... [-long] [patterns]": names of the nodes that match, in scene order.
bool LsCommand(CommandContext& context);

/// Whether a name matches a pattern where "*" stands for any run of characters except "|".
bool MatchesPattern(const std::string& pattern, const std::string& name);
/// The live nodes a name or pattern names (":name" is "name"); a pattern with "|" is matched against
/// full paths.
std::vector<NodePtr> NodesMatching(const std::string& pattern);
/// The nodes the names or patterns name, or the selection when there are none; fails the command with
/// "No object matches name: <name>" on a name that matches nothing.
std::optional<std::vector<NodePtr>> NamedOrSelected(CommandContext& context,
                                                    const std::vector<std::string>& words);
/// Sets the selection, recorded for undo.
void ChangeSelection(const std::vector<NodePtr>& nodes);

} // namespace vex::host::builtins
