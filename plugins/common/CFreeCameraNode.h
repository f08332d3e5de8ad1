#pragma once

#include "plugins/common/CCameraNode.h"
#include "util/Matrix.h"

#include <string>

namespace vex::orb::addon {

/// The camera of a free-flying camera tool: the tool's simulation sets its pose, and the node writes
/// its transform and lens. It is created at the origin under the world.
class CFreeCameraNode : public CCameraNode {
public:
    /// The camera `name` of `tool`, not created yet.
    CFreeCameraNode(CCamera* tool, std::string name);

    /// Writes the camera's local transform at `t`: the rotation matrix of `rotation` with each row
    /// multiplied by `scale`, and `position` as translation.
    void update(double t) override;

    /// The local transform at `t`; false (and `local` untouched) when the camera or its snapshot is
    /// missing.
    bool ReadMatrix(double t, util::Matrix<double>& local) const;
    /// Writes `local` as the camera's local transform at `t`.
    void WriteMatrix(double t, const util::Matrix<double>& local) const;
    /// The length of the x-row of the local transform at `t`, or `fallback` without a snapshot.
    double XRowLength(double t, double fallback) const;
    /// The basis scale written with the pose.
    double scale = 1.0;
};

} // namespace vex::orb::addon
