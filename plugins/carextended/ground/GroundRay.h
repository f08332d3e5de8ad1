#pragma once

#include "util/Vector3.h"

namespace vex::orb::addon {

/// One ground detection ray of a wheel: from `origin` along the unit `direction` over `length`, that is
/// from origin to origin + direction × length. World space.
struct GroundRay {
    util::Vector3<double> origin{};
    util::Vector3<double> direction{};
    double length = 0.0;
};

} // namespace vex::orb::addon
