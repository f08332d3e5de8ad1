#pragma once

#include "interface/SceneNode.h"

namespace vex::orb::addon {

/// "CurrentState": the node a state tool moves, under the cage, written as its local transform. For a
/// camera rig it is a host camera, otherwise a helper showing a cube with a bar along −z, so its
/// orientation can be seen.
class CCurrentStateNode : public SceneNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "CurrentState";

    /// The node of `tool` under `cage` (which must outlive it), a camera when `camera`; not created yet.
    CCurrentStateNode(CCamera* tool, const SceneNode& cage, bool camera);

    /// Creates the camera or the helper under the cage; true when the host created it.
    bool create() override;
    /// Writes `localMatrix` as the node's local transform at `t`.
    void update(double t) override;

private:
    const SceneNode& cage_;
    bool camera_;
};

} // namespace vex::orb::addon
