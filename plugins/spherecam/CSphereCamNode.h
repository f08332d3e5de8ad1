#pragma once

#include "plugins/common/CCameraNode.h"

namespace vex::orb::addon {

/// The camera "SphereCam" on the sphere around the target. It is created under the world, and the
/// tool writes its world matrix.
class CSphereCamNode : public CCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "SphereCam";

    /// The camera of `tool`, not created yet.
    explicit CSphereCamNode(CCamera* tool) : CCameraNode(tool, kName, false) {}

    /// Writes `worldMatrix` as the camera's world matrix at `t`.
    void update(double t) override;
};

} // namespace vex::orb::addon
