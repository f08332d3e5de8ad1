#pragma once

#include "plugins/common/CCameraNode.h"

namespace vex::orb::addon {

/// The camera "AttachedCam" that the user attaches to an animated object: a follow camera's target.
/// The tool only creates it (at the identity) and reads it; its step does nothing.
class CAttachedCamNode : public CCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "AttachedCam";

    /// The AttachedCam of `tool`, not created yet.
    explicit CAttachedCamNode(CCamera* tool) : CCameraNode(tool, kName, true) {}
};

} // namespace vex::orb::addon
