#pragma once

#include "plugins/common/ResponseFilter.h"
#include "util/Matrix.h"

#include <array>
#include <cstddef>

namespace vex::orb::addon {

// The motion of the sphere camera: a camera on a sphere around a target, always looking at the
// sphere's centre.
//
// Where it is. The camera's place on the sphere is its longitude λ and latitude φ (degrees) and the
// sphere's radius r (scene units), its turn about its line of sight the roll ψ (degrees). In the
// sphere's own frame (y up) the camera stands at
//     p = r · (cos φ sin λ, sin φ, cos φ cos λ),
// so at λ = φ = 0 it is on the frame's +z axis, and its axes (rows of its rotation, row-vector
// convention) are, before the roll,
//     z = p / r = (cos φ sin λ, sin φ, cos φ cos λ)     it looks along −z, at the centre;
//     x = (cos λ, 0, −sin λ)                           its right, level with the sphere's equator;
//     y = z × x = (−sin φ sin λ, cos φ, −sin φ cos λ)   its up.
// The roll turns x and y about z: x' = cos ψ · x − sin ψ · y, y' = sin ψ · x + cos ψ · y, so a
// positive roll lowers the camera's right side. x is taken from λ alone, so nothing flips at the
// poles; the latitude is kept within ± the latitude limit (at most 90°) all the same, because past a
// pole the picture would turn upside down.
//
// How it moves. Each input k drives a rate: its channel value (−1 … 1) times its "Maximum" is the
// wanted rate, which the rate follows through the two-stage response filter (ResponseFilter.h) with
// the input's "Response Factor" (taken per 0.04 s; 0 or 1 follows at once, smaller factors follow more
// slowly). Over a frame of dt seconds:
//     λ := wrap(λ + rate_λ · dt)                      degrees per second, wrapped to [−180°, 180°);
//     φ := clamp(φ + rate_φ · dt, −limit, +limit)     degrees per second;
//     r := max(r · exp(rate_r · dt), minimum radius)  rate_r per second: +1 grows r by e each second,
//                                                     so the zoom feels the same near and far and r
//                                                     never reaches 0;
//     ψ := wrap(ψ + rate_ψ · dt)                      degrees per second.
//
// The sphere's frame. Its centre is the target's world position. In gyro mode its axes turn with the
// target (the camera keeps its place relative to the target's own axes, as on a gimbal mounted on it);
// otherwise they are the world's axes whatever the target's rotation. The target's scale never
// reaches the sphere: r is in world units.

/// The inputs, in channel order.
enum SphereInputIndex : std::size_t {
    kSphereLongitude,
    kSphereLatitude,
    kSphereRadius,
    kSphereRoll,
    kSphereInputCount
};

/// One value per input.
using SphereInputs = std::array<double, kSphereInputCount>;

/// The camera's place on the sphere.
struct SpherePosition {
    /// λ, degrees.
    double longitude = 0.0;
    /// φ, degrees.
    double latitude = 0.0;
    /// r, scene units.
    double radius = 5.0;
    /// ψ, degrees.
    double roll = 0.0;
};

/// What shapes the motion.
struct SphereSettings {
    /// Response factor of each input's rate.
    SphereInputs responseFactors{0.1, 0.1, 0.1, 0.1};
    /// The rate at full deflection: degrees per second for the angles, e-folds per second for r.
    SphereInputs maxima{60.0, 45.0, 0.5, 30.0};
    /// |φ| stays at or below it, degrees (0 … 90).
    double latitudeLimit = 89.0;
    /// r stays at or above it, scene units.
    double minimumRadius = 0.01;
};

/// The whole simulation state: the place and the two filter stages of every rate.
struct SphereState {
    SpherePosition position{};
    std::array<ResponseFilter, kSphereInputCount> rates{};
};

/// `position` with its angles wrapped, its latitude clamped and its radius kept above the minimum.
SpherePosition Limited(const SpherePosition& position, const SphereSettings& settings);

/// One frame of `dt` seconds with the channel values `raw`.
void StepSphere(SphereState& state, const SphereInputs& raw, const SphereSettings& settings, double dt);

/// The camera's matrix in the sphere's frame: its axes x', y', z and its place p.
util::Matrix<double> OrbitMatrix(const SpherePosition& position);

/// The sphere's frame from the target's world matrix: the target's position, and in gyro mode its
/// rotation (its scale dropped), else the world's axes.
util::Matrix<double> SphereFrame(const util::Matrix<double>& targetWorld, bool gyroMode);

/// `angle` (degrees) wrapped into [−180, 180).
double WrapDegrees(double angle);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitSphereState(State& state, Field&& field) {
    field(state.position.longitude);
    field(state.position.latitude);
    field(state.position.radius);
    field(state.position.roll);
    for (auto& rate : state.rates) {
        field(rate.first);
        field(rate.second);
    }
}

} // namespace vex::orb::addon
