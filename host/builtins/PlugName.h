#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/Node.h"

#include <optional>
#include <string>

namespace vex::host::builtins {

/// A plug as scripts write it: "node.attribute", ".attribute" (the current node) or either with an
/// index or range, "node.vt[0:7]", "mesh.f[3]".
struct PlugName {
    std::string node;
    std::string attribute;
    bool hasRange = false;
    int first = 0;
    int last = 0;

    /// Splits the text at its last "." (before any "["); none when there is no "." or the range is
    /// not "[n]" or "[n:m]".
    static std::optional<PlugName> Parse(const std::string& text);
};

/// A plug found in the scene.
struct ResolvedPlug {
    NodePtr node;
    AttributePtr attribute;
    PlugName name;
};

/// The live node of that name or path; fails the command with "No object matches name: <name>".
NodePtr RequireNode(CommandContext& context, const std::string& name);

/// The node named by a plug: its node part, or the current node for ".attr"; fails like requireNode.
NodePtr RequirePlugNode(CommandContext& context, const PlugName& plug, const std::string& text);

/// Node and attribute of "node.attribute"; fails with "No object matches name: <text>" when either is
/// missing.
std::optional<ResolvedPlug> RequirePlug(CommandContext& context, const std::string& text);

} // namespace vex::host::builtins
