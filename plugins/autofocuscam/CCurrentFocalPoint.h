#pragma once

#include "plugins/carextended/CCarMeshNode.h"

namespace vex::orb::addon {

/// The helper "CurrentFocalPoint": a small box the tool moves every step to the point the camera is
/// focused on, between the two targets.
class CCurrentFocalPoint : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "CurrentFocalPoint";
    /// The node of `tool` under the world, not created yet.
    explicit CCurrentFocalPoint(CCamera* tool);
};

} // namespace vex::orb::addon
