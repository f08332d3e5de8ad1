#pragma once

#include "plugins/common/CWorldCameraNode.h"

namespace vex::orb::addon {

/// The camera "AutoZoomCam": the user dollies, parents or animates it; every step the tool zooms its
/// lens and, when it aims, writes its world matrix turned toward the target.
class CHorrorCamNode : public CWorldCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "AutoZoomCam";

    /// The camera of `tool`, not created yet; it is created at the origin.
    explicit CHorrorCamNode(CCamera* tool) : CWorldCameraNode(tool, kName, true) {}
};

} // namespace vex::orb::addon
