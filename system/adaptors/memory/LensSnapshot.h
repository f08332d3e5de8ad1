#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// A memory camera's lens at the snapshot's time. A setter keys its channel at the snapshot's time
/// when the channel already has keys or the core records an animated node; else it sets the static value.
class LensSnapshot : public core::CoreNode::Snapshot_Lens {
public:
    explicit LensSnapshot(MemoryNode& node) : node_(node) {}

    void WriteFieldOfView(double degrees) override;
    double getFieldOfView() override;
    /// In the host's linear unit (the memory host's unit is the metre).
    void WriteFocusDistance(double distance) override;
    double getFocusDistance() override;
    double getTime() override { return time; }
    CNode* getNode() override;

private:
    MemoryNode& node_;
};

} // namespace vex::orb::adaptor::memory
