#include "system/adaptors/memory/NodePresenceUndo.h"

#include "system/adaptors/memory/MemoryAdaptor.h"
#include "system/adaptors/memory/MemoryNode.h"

#include <utility>

namespace vex::orb::adaptor::memory {

NodePresenceUndo::NodePresenceUndo(MemoryAdaptor& adaptor, const std::vector<MemoryNode*>& nodes,
                                   std::vector<ObjectId> objects, bool redoAdds)
    : adaptor_(adaptor), objects_(std::move(objects)), redoAdds_(redoAdds) {
    for (MemoryNode* node : nodes) nodes_.push_back({node->GetSerial(), MemoryAdaptor::kNotRegistered});
}

NodePresenceUndo::~NodePresenceUndo() {
    // Nobody can reach these nodes any more: the caller gave them up when they left the scene. A
    // detached node handed to a deletion belongs to the unit even while its host object is back.
    for (const Held& held : nodes_) {
        MemoryNode* node = adaptor_.FindLive(held.serial);
        if (!node || adaptor_.IsRegistered(node)) continue;
        if (!inScene_ || (!redoAdds_ && node->isDetached())) delete node;
    }
}

void NodePresenceUndo::undo() {
    if (redoAdds_) {
        TakeOut();
    } else {
        PutBack();
    }
}

void NodePresenceUndo::redo() {
    if (redoAdds_) {
        PutBack();
    } else {
        TakeOut();
    }
}

void NodePresenceUndo::TakeOut() {
    if (!inScene_) return;
    for (auto it = nodes_.rbegin(); it != nodes_.rend(); ++it) {
        MemoryNode* node = adaptor_.FindLive(it->serial);
        it->index = node ? adaptor_.Unregister(node) : MemoryAdaptor::kNotRegistered;
    }
    for (ObjectId id : objects_) adaptor_.GetScene().SetDeleted(id, true);
    inScene_ = false;
}

void NodePresenceUndo::PutBack() {
    if (inScene_) return;
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) adaptor_.GetScene().SetDeleted(*it, false);
    for (const Held& held : nodes_) {
        MemoryNode* node = adaptor_.FindLive(held.serial);
        if (node && held.index != MemoryAdaptor::kNotRegistered && !node->isDetached()) {
            adaptor_.Register(node, held.index);
        }
    }
    inScene_ = true;
}

} // namespace vex::orb::adaptor::memory
