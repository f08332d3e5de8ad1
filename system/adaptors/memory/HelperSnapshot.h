#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// The look of a polygon helper the system created: its geometry and material colour.
class HelperSnapshot : public core::CoreNode::Snapshot_Helper {
public:
    explicit HelperSnapshot(MemoryNode& node) : node_(node) {}

    /// Replaces the helper's geometry (in its local space).
    void setMesh(const util::CMesh& mesh) override;
    void setColor(float r, float g, float b) override;

private:
    MemoryNode& node_;
};

} // namespace vex::orb::adaptor::memory
