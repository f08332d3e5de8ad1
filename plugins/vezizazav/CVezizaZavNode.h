#pragma once

#include "plugins/common/CFollowCamNode.h"
#include "util/QTransform.h"

namespace vex::orb::addon {

/// The camera "FollowCam" of the VuzaZaderaRav: every step it follows a target node through two
/// chained first-order lags on position and on orientation, so it smooths without overshooting.
/// The first lag stage, the intermediate pose, is its state; it keeps its own scale.
class CVezizaZavNode : public CFollowCamNode {
public:
    /// The FollowCam of `tool`, following `target` (which must outlive it), not created yet. Its
    /// host camera is created without setting its matrix.
    CVezizaZavNode(CCamera* tool, const SceneNode& target);

    /// The intermediate pose as one value (position as translation, rotation as rotation).
    util::QTransform<double> GetState() const override;
    /// Takes the intermediate pose back from the form GetState gives.
    void SetState(const util::QTransform<double>& pose) override;

    /// The first lag stage.
    util::Vector3<double> intermediatePosition;
    util::Quat<double> intermediateRotation;
    /// "Translation Response Factor" / "Rotation Response Factor": share of the gap each stage
    /// closes per reference frame.
    double translationResponseFactor = 0.1;
    double rotationResponseFactor = 0.4;

protected:
    /// Moves the intermediate pose toward `goal` and the camera toward the intermediate pose.
    void Follow(const util::QTransform<double>& goal, double h) override;
};

} // namespace vex::orb::addon
