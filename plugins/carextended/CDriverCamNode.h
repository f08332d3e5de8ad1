#pragma once

#include "plugins/carextended/CCarCameraNode.h"

namespace vex::orb::addon {

/// A camera in the driver's seat, looking forwards along −z.
class CDriverCamNode : public CCarCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "DriverCam";
    /// The camera of `tool` under `parent` (null: the world), not created yet.
    CDriverCamNode(CCamera* tool, const SceneNode* parent) : CCarCameraNode(tool, kName, parent) {}
};

} // namespace vex::orb::addon
