#pragma once

#include "util/Vector3.h"

namespace vex::orb {
namespace addon {
class GroundQuery;
}
} // namespace vex::orb

namespace vex::orb::addon {

/// What the scene gives the vehicle model for a step: the ground, the down direction, the external
/// force's direction and the target to follow. All world space.
struct CarEnvironment {
    /// The ground the wheels are cast against; null means no ground (every wheel in the air).
    const GroundQuery* ground = nullptr;
    /// Unit vector of gravity (the GravityDirectionMesh's −y).
    util::Vector3<double> down{0.0, -1.0, 0.0};
    /// Unit vector the "External Force" input pushes along.
    util::Vector3<double> forceDirection{0.0, 0.0, -1.0};
    /// The TargetMesh's position, followed in autonomous mode.
    util::Vector3<double> target{};
};

} // namespace vex::orb::addon
