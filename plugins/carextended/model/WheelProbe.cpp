#include "plugins/carextended/model/WheelProbe.h"

#include "plugins/carextended/ground/GroundQuery.h"
#include "plugins/carextended/ground/GroundRay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {

using V = util::Vector3<double>;

std::size_t WheelRayCount(const WheelProbeSettings& settings) {
    const int multiplier = std::clamp(settings.rayMultiplier, 1, 100);
    const std::size_t along = 2 * static_cast<std::size_t>(multiplier - 1) + 1;
    return along > 1 && settings.edges ? 3 * along : along;
}

WheelContact ProbeWheel(const GroundQuery& ground, const WheelFrame& wheel,
                        const WheelProbeSettings& settings) {
    const int multiplier = std::clamp(settings.rayMultiplier, 1, 100);
    const bool edges = multiplier > 1 && settings.edges;
    const double step = std::clamp(settings.degreesPerRay, 0.0, 89.0) * std::numbers::pi / 180.0;
    const double maxAngle = 89.0 * std::numbers::pi / 180.0;

    std::array<GroundRay, kMaxWheelRays> rays;
    std::array<double, kMaxWheelRays> restDepth{}; // ray origin to the point's rest height
    std::size_t count = 0;
    for (int k = -(multiplier - 1); k <= multiplier - 1; ++k) {
        const double angle = std::clamp(k * step, -maxAngle, maxAngle);
        const double ahead = wheel.radius * std::sin(angle);
        const double below = wheel.radius * std::cos(angle);
        for (int side = edges ? -1 : 0; side <= (edges ? 1 : 0); ++side) {
            const V column = wheel.centre + wheel.forward * ahead + wheel.axle * (0.5 * wheel.width * side);
            rays[count] = {column + wheel.up * wheel.above, -wheel.up, wheel.above + below + wheel.reach};
            restDepth[count] = wheel.above + below;
            ++count;
        }
    }
    std::array<GroundHit, kMaxWheelRays> hits;
    ground.Cast({rays.data(), count}, {hits.data(), count});

    WheelContact contact;
    for (std::size_t i = 0; i < count; ++i) {
        if (!hits[i].hit) continue;
        const double push = restDepth[i] - hits[i].distance;
        if (!contact.contact || push > contact.compression) {
            contact.contact = true;
            contact.compression = push;
            contact.point = hits[i].point;
            contact.normal = hits[i].normal;
        }
    }
    return contact;
}

} // namespace vex::orb::addon
