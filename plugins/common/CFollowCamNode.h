#pragma once

#include "plugins/common/CCameraNode.h"
#include "util/QTransform.h"

namespace vex::orb::addon {

/// The camera "FollowCam" of a follow-camera tool: every step it moves toward a target node and
/// keeps its own scale. Derived cameras say how position and rotation move in Follow().
class CFollowCamNode : public CCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "FollowCam";

    /// The FollowCam of `tool`, following `target` (which must outlive it), not created yet; with
    /// `identityOnCreate` its world matrix is set to the identity when it is created.
    CFollowCamNode(CCamera* tool, const SceneNode& target, bool identityOnCreate);

    /// One step for host time `t`: takes its own pose one frame earlier and the target's at `t`
    /// (the identity where a node cannot be obtained), lets Follow() move position and rotation,
    /// and writes the result, with its own scale, as its world matrix at `t`.
    void update(double t) final;
    /// The camera's follow state as one value: what a tool records per time so that a re-simulation
    /// from any time moves on as the first run did.
    virtual util::QTransform<double> GetState() const = 0;
    /// Takes the follow state back from the form GetState gives.
    virtual void SetState(const util::QTransform<double>& state) = 0;

protected:
    /// Moves `position` and `rotation` toward `goal` over `h` seconds.
    virtual void Follow(const util::QTransform<double>& goal, double h) = 0;

private:
    const SceneNode& target_;
};

} // namespace vex::orb::addon
