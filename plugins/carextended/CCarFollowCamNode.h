#pragma once

#include "plugins/carextended/CCarCameraNode.h"

namespace vex::orb::addon {

/// A camera following the car.
class CCarFollowCamNode : public CCarCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "FollowCam";
    /// The camera of `tool` under `parent` (null: the world), not created yet.
    CCarFollowCamNode(CCamera* tool, const SceneNode* parent) : CCarCameraNode(tool, kName, parent) {}
};

} // namespace vex::orb::addon
