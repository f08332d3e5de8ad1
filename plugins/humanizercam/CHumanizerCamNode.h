#pragma once

#include "plugins/common/CCameraNode.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// The camera "HumanizerCam": the user parents it to the animated camera or object whose motion it
/// should humanize; every step the tool writes its local matrix, the shake about its rest pose.
class CHumanizerCamNode : public CCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "HumanizerCam";

    /// The camera of `tool`, not created yet; it is created at the origin under the world.
    explicit CHumanizerCamNode(CCamera* tool) : CCameraNode(tool, kName, true) {}

    /// Writes `localMatrix` as the camera's local matrix at `t`.
    void update(double t) override;

    /// The world position of the camera's parent at `t`; the origin under the world.
    util::Vector3<double> ParentPosition(double t) const;
};

} // namespace vex::orb::addon
