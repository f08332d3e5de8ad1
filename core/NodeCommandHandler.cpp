#include "core/NodeCommandHandler.h"

#include "core/AdaptorInterface.h"
#include "core/GroupSelection.h"

#include <string>

namespace vex::orb::core {

int NodeCommandHandler::HandleCommand(int id, void* data) {
    CoreNode& node = CommandNode();
    switch (id) {
    case CoreNode::kBeginGroupSelect:
        CommandSelection().Begin();
        return 1;
    case CoreNode::kEndGroupSelect:
        CommandSelection().End();
        return 1;
    case CoreNode::kClearAnimated:
        node.animated = false;
        return 1;
    case CoreNode::kClearUpdate:
        ClearUpdate();
        return 1;
    case CoreNode::kIsSameNode:
        return node.isSameNode(static_cast<CoreNode*>(data));
    case CoreNode::kSetLabel: {
        const auto* name = static_cast<const std::string*>(data);
        if (name == nullptr) return 0;
        CommandAdaptor().beginUndoGroup("NODE_SETLABEL");
        node.rename(*name);
        CommandAdaptor().endUndoGroup();
        return 1;
    }
    case CoreNode::kCloneHierarchy: {
        auto* request = static_cast<CoreNode::CloneRequest*>(data);
        return request != nullptr && CloneHierarchy(*request);
    }
    default:
        return 0;
    }
}

std::vector<int32_t> NodeCommandHandler::CommandIds() {
    return {CoreNode::kBeginGroupSelect, CoreNode::kEndGroupSelect, CoreNode::kClearAnimated,
            CoreNode::kClearUpdate,      CoreNode::kIsSameNode,     CoreNode::kSetLabel,
            CoreNode::kCloneHierarchy};
}

} // namespace vex::orb::core
