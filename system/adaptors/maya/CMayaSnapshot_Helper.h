#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// The look of a polygon helper the system created: its geometry and its material's colour.
class CMayaSnapshot_Helper : public core::CoreNode::Snapshot_Helper {
public:
    explicit CMayaSnapshot_Helper(CMayaNode& node) : node_(node) {}

    /// Replaces the helper's geometry (in its local space, as createMesh takes it), recorded.
    void setMesh(const util::CMesh& mesh) override;
    /// Sets the material's colour, recorded.
    void setColor(float r, float g, float b) override;

private:
    CMayaNode& node_;
};

} // namespace vex::orb::adaptor::maya
