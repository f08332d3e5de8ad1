#pragma once

#include "plugins/carextended/CCarCameraNode.h"

namespace vex::orb::addon {

/// A camera looking down on the car.
class CTopViewCamNode : public CCarCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "TopViewCam";
    /// The camera of `tool` under `parent` (null: the world), not created yet.
    CTopViewCamNode(CCamera* tool, const SceneNode* parent) : CCarCameraNode(tool, kName, parent) {}
};

} // namespace vex::orb::addon
