#pragma once

#include "plugins/carextended/ground/GroundHit.h"
#include "util/Vector3.h"

#include <cstddef>

namespace vex::orb::addon {

class GroundQuery;

/// Where a wheel is and how the ground is searched under it, world space.
struct WheelFrame {
    /// The wheel's centre at its rigged place (no spring load).
    util::Vector3<double> centre{};
    /// The suspension's axis, pointing up from the ground (the body's up).
    util::Vector3<double> up{0.0, 1.0, 0.0};
    /// The wheel's rolling direction, perpendicular to `up`.
    util::Vector3<double> forward{0.0, 0.0, -1.0};
    /// The wheel's axle, perpendicular to both.
    util::Vector3<double> axle{1.0, 0.0, 0.0};
    double radius = 0.3;
    double width = 0.2;
    /// How far below its rigged place the wheel may still find ground.
    double reach = 0.0;
    /// How far above the wheel's centre its rays start: past the most the ground can push it up.
    double above = 0.3;
};

/// How the ground is sampled under a wheel ("Ray Multiplier", "Cast Rays at Wheel Edges", "Degrees
/// Per Ray").
struct WheelProbeSettings {
    int rayMultiplier = 1;
    bool edges = true;
    double degreesPerRay = 2.0;
};

/// The ground under a wheel: how far the ground pushes the wheel up from its rigged place (the most of
/// any detection point), and where.
struct WheelContact {
    bool contact = false;
    /// Upward push on the wheel (world units); between −reach and 0 the ground is below the wheel.
    double compression = 0.0;
    util::Vector3<double> point{};
    util::Vector3<double> normal{0.0, 1.0, 0.0};
};

/// Most detection points a wheel can have: 2·99 + 1 points along the tyre, three times across it.
inline constexpr std::size_t kMaxWheelRays = 3 * (2 * 99 + 1);

/// Number of detection points the settings give: 2·(multiplier − 1) + 1 along the tyre, times three
/// with edge rays when there is more than one.
std::size_t WheelRayCount(const WheelProbeSettings& settings);

/// Casts the wheel's detection points onto `ground` as one bundle. Each point lies on the tyre's
/// circle at a multiple of the ray angle from the bottom (at most 89°), in the middle or at an edge of
/// the tyre; its ray starts `above` over the wheel's centre, runs down the suspension axis past the
/// point's rest height by `reach`, and the ground it finds above the point's rest height pushes the
/// wheel up by that much. Points ahead and behind are what lift a wheel onto a step before its
/// bottom reaches it.
WheelContact ProbeWheel(const GroundQuery& ground, const WheelFrame& wheel,
                        const WheelProbeSettings& settings);

} // namespace vex::orb::addon
