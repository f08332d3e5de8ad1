#pragma once

#include "interface/SceneNode.h"

namespace vex::orb::addon {

/// The camera "AttachedCam" that the user attaches to an animated object: the FollowCam's target.
/// The tool only creates it and reads it; its step does nothing.
class CAttachedCamNode : public SceneNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "AttachedCam";

    /// The AttachedCam of `tool`, not created yet.
    explicit CAttachedCamNode(CCamera* tool);

    /// Creates the host camera and sets its world matrix to the identity at the current time.
    bool create() override;
    /// Nothing: the camera is moved by the user's animation.
    void update(double t) override;
};

} // namespace vex::orb::addon
