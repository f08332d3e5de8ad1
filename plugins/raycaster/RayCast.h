#pragma once

#include "plugins/carextended/ground/GroundHit.h"
#include "plugins/carextended/ground/GroundRay.h"
#include "util/Matrix.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::orb::addon {

// The ray caster's geometry. The ray starts at the origin node's world position and runs along the
// node's −z axis (the way a camera looks; the origin's helper shows a bar that way) over the
// "Maximum Distance", in world units. It is cast against the surfaces of the hit surface child
// (CHitSurfaceChildNode.h) with the four-wheeler's ground casters, so the nearest hit is found
// within the distance and its normal faces the ray's origin.
//
// The hit node. On a hit it stands at the hit point with its y-axis along the surface normal and its
// z-axis the origin's y-axis laid onto the surface (the origin's x-axis when its y-axis is along the
// normal), x = y × z; so objects parented to it stand on the surface. On a miss it stands at the far
// end of the ray, turned like the origin.

/// What a cast found, as the tool records and publishes it.
struct RayHitState {
    /// 1 on a hit, 0 on a miss.
    std::uint8_t hit = 0;
    /// From the origin to the hit point; the maximum distance on a miss.
    double distance = 0.0;
    /// The hit point; the ray's far end on a miss. World units.
    util::Vector3<double> point{};
    /// The unit normal at the hit point facing the origin; zero on a miss.
    util::Vector3<double> normal{};
};

/// The output channels' values in order: hit, distance, point x, y, z, normal x, y, z.
inline constexpr std::size_t kRayOutputCount = 8;
std::array<double, kRayOutputCount> RayOutputs(const RayHitState& state);

/// The ray of an origin node with world matrix `originWorld` over `maximumDistance`.
GroundRay RayOf(const util::Matrix<double>& originWorld, double maximumDistance);

/// What the ray `ray` found, from the caster's answer `hit`.
RayHitState HitStateOf(const GroundRay& ray, const GroundHit& hit);

/// The hit node's world matrix for `state`, with the origin's world matrix `originWorld`.
util::Matrix<double> HitNodeMatrix(const RayHitState& state, const util::Matrix<double>& originWorld);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitRayHit(State& state, Field&& field) {
    field(state.hit);
    field(state.distance);
    for (auto* v : {&state.point, &state.normal}) {
        field(v->x);
        field(v->y);
        field(v->z);
    }
}

} // namespace vex::orb::addon
