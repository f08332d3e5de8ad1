#pragma once

#include "interface/CUndo.h"
#include "system/adaptors/memory/HostObject.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vex::orb::adaptor::memory {

class MemoryAdaptor;
class MemoryNode;

/// The undo unit of nodes coming into the scene (creation, cloning) or leaving it (deletion): taking
/// them out unregisters the nodes and deletes their host objects; putting them back restores both,
/// each node at its old place in the node list. Node objects that are out of the scene when the unit
/// is released are destroyed with it.
class NodePresenceUndo : public CUndo {
public:
    /// `nodes` and `objects` are in the scene now; `redoAdds`: redo puts them in (they were created),
    /// else redo takes them out (they are being deleted, by a redo() right after recording).
    NodePresenceUndo(MemoryAdaptor& adaptor, const std::vector<MemoryNode*>& nodes,
                     std::vector<ObjectId> objects, bool redoAdds);
    ~NodePresenceUndo() override;

    NodePresenceUndo(const NodePresenceUndo&) = delete;
    NodePresenceUndo& operator=(const NodePresenceUndo&) = delete;

    void undo() override;
    void redo() override;

private:
    struct Held {
        uint64_t serial;
        size_t index;
    };

    void TakeOut();
    void PutBack();

    MemoryAdaptor& adaptor_;
    std::vector<Held> nodes_;
    std::vector<ObjectId> objects_;
    bool redoAdds_;
    bool inScene_ = true;
};

} // namespace vex::orb::adaptor::memory
