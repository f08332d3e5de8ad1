#pragma once

#include "interface/SceneNode.h"

namespace vex::orb::addon {

/// The human figure "Humanoid" that shows the scale of the rig; the user can hide it. It stands in
/// front of the new camera, which looks along −z from the origin, with its eyes at the camera's height.
class CHumanoidNode : public SceneNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Humanoid";
    /// Where the figure's feet are placed when it is created.
    static constexpr double kPlacement[3] = {0.0, -1.6, -3.0};

    /// The figure of `tool`, not created yet.
    explicit CHumanoidNode(CCamera* tool);

    /// Creates the helper object from a CMesh_HumanoidMesh under the world and places it.
    bool create() override;
    /// Nothing: the figure stays where the user leaves it.
    void update(double t) override;
};

} // namespace vex::orb::addon
