#pragma once

#include "plugins/common/CWorldCameraNode.h"

namespace vex::orb::addon {

/// The camera "LookAtCam": the user places, parents or animates it; every step the tool turns it
/// toward its target and writes its world matrix.
class CLookAtCamNode : public CWorldCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "LookAtCam";

    /// The camera of `tool`, not created yet; it is created at the origin.
    explicit CLookAtCamNode(CCamera* tool) : CWorldCameraNode(tool, kName, true) {}
};

} // namespace vex::orb::addon
