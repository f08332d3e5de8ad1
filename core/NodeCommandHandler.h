#pragma once

#include "core/CoreNode.h"

#include <cstdint>
#include <vector>

namespace vex::orb::core {

class AdaptorInterface;
class GroupSelection;

/// The extension commands every host's scene node answers (10, 11, 17, 18, 31, 32, 37), in one
/// place: a node class derives from it and forwards extension() to HandleCommand(); the parts that
/// depend on the host are its hooks.
class NodeCommandHandler {
public:
    /// Carries out command `id` with `data`; 0 for a command the nodes do not know.
    int HandleCommand(int id, void* data);
    /// The commands HandleCommand knows.
    static std::vector<int32_t> CommandIds();

protected:
    ~NodeCommandHandler() = default;

    /// The node the commands act on.
    virtual CoreNode& CommandNode() = 0;
    /// The adaptor's undo groups.
    virtual AdaptorInterface& CommandAdaptor() = 0;
    /// The adaptor's group selection.
    virtual GroupSelection& CommandSelection() = 0;
    /// Clears the node's second update flag (command 18).
    virtual void ClearUpdate() = 0;
    /// Duplicates the node's host hierarchy for a cloned instance (command 37).
    virtual bool CloneHierarchy(CoreNode::CloneRequest& request) = 0;
};

} // namespace vex::orb::core
