#pragma once

#include "util/Vector3.h"

namespace vex::orb::addon {

/// What a ground ray found: the nearest surface point along the ray within its length, or no hit.
struct GroundHit {
    /// False when the ray met no ground within its length; the other fields are then unspecified.
    bool hit = false;
    /// Distance from the ray's origin to the hit point (the hit fraction times the ray's length).
    double distance = 0.0;
    /// The hit point, world space.
    util::Vector3<double> point{};
    /// The unit normal of the triangle hit, turned to face the ray's origin.
    util::Vector3<double> normal{};
    /// Index of the ground surface hit, in the order the caster was built with; -1 without a hit.
    int surface = -1;
};

} // namespace vex::orb::addon
