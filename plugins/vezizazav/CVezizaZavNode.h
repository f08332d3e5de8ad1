#pragma once

#include "plugins/common/CCameraNode.h"
#include "util/QTransform.h"

namespace vex::orb::addon {

/// The camera "FollowCam" of the VuzaZaderaRav: every step it follows a target node through two
/// chained first-order lags on position and on orientation, so it smooths without overshooting.
/// The first lag stage, the intermediate pose, is its state; it keeps its own scale.
class CVezizaZavNode : public CCameraNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "FollowCam";

    /// The FollowCam of `tool`, following `target` (which must outlive it), not created yet. Its
    /// host camera is created without setting its matrix.
    CVezizaZavNode(CCamera* tool, const SceneNode& target);

    /// One step for host time `t`: reads its own world matrix one frame earlier and the target's at
    /// `t`, moves the intermediate pose towards the target and itself towards the intermediate pose,
    /// and writes the result as its world matrix at `t`.
    void update(double t) override;

    /// The intermediate pose as one value (position as translation, rotation as rotation).
    util::QTransform<double> getIntermediatePose() const;
    /// Takes the intermediate pose back from the form getIntermediatePose gives.
    void setIntermediatePose(const util::QTransform<double>& pose);

    /// The first lag stage.
    util::Vector3<double> intermediatePosition;
    util::Quat<double> intermediateRotation;
    /// "Translation Response Factor" / "Rotation Response Factor": share of the gap each stage
    /// closes per reference frame.
    double translationResponseFactor = 0.1;
    double rotationResponseFactor = 0.4;

private:
    const SceneNode& target_;
};

} // namespace vex::orb::addon
