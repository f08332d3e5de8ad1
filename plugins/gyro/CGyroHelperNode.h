#pragma once

#include "interface/SceneNode.h"
#include "util/Matrix.h"

namespace vex::orb::addon {

/// One of the Gyro rig's three helper objects in the host scene: "pivot" (a small cube the user
/// attaches to the moving object), "gyro" (a flat plate, the stable platform a camera is attached to)
/// or "eye" (a short cylinder whose position, rotation and scale can be copied). The rig moves the
/// gyro itself; the nodes only build their helper and give access to their transforms.
class CGyroHelperNode : public SceneNode {
public:
    /// The node named `name` ("pivot", "gyro" or "eye") of `tool`, not created yet.
    CGyroHelperNode(CCamera* tool, const char* name);

    /// Creates the helper (its shape and colour chosen by its name) at the identity at the current time.
    bool create() override;
    /// Nothing: the pivot and the eye are moved by the user, the gyro by the rig's step.
    void update(double t) override;

    /// The world matrix at `t`; the identity when the node or its transform cannot be obtained.
    util::Matrix<double> ReadWorld(double t);
};

} // namespace vex::orb::addon
