#pragma once

#include "plugins/common/CWorldCameraNode.h"

namespace vex::orb::addon {

/// The camera "SphereCam" on the sphere around the target. It is created under the world, and the
/// tool writes its world matrix.
class CSphereCamNode : public CWorldCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "SphereCam";

    /// The camera of `tool`, not created yet.
    explicit CSphereCamNode(CCamera* tool) : CWorldCameraNode(tool, kName, false) {}
};

} // namespace vex::orb::addon
