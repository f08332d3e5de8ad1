#pragma once

#include "util/Quat.h"
#include "util/Vector3.h"

namespace vex::orb::addon {

/// The gains of one damped-spring follow: how hard the follower is pulled toward its target, how
/// strongly its velocity is damped, and its speed limit (0: no limit).
struct SpringSettings {
    double response = 0.0;
    double smoothing = 0.0;
    double maxVelocity = 0.0;
};

/// One step of length `h` of the position spring: `position` and `velocity` move toward `target`.
/// A response of 0 puts the position on the target and leaves the velocity alone.
void FilterTranslation(util::Vector3<double>& position, util::Vector3<double>& velocity,
                       const util::Vector3<double>& target, const SpringSettings& settings, double h);

/// One step of length `h` of the orientation spring, in ten sub-steps: the unit quaternion
/// `rotation` and its body-frame angular velocity (radians per second) move toward `target` along
/// the shorter way. A response of 0 puts the rotation on the target.
void FilterRotation(util::Quat<double>& rotation, util::Vector3<double>& angularVelocity,
                    const util::Quat<double>& target, const SpringSettings& settings, double h);

} // namespace vex::orb::addon
