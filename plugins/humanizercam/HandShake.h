#pragma once

#include "plugins/common/ResponseFilter.h"
#include "util/Matrix.h"
#include "util/Vector3.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::orb::addon {

// The hand-held irregularities of the humanizer camera: a seeded, smooth random wobble of the camera
// about the pose its parent (the animated camera or object it rides on) gives it.
//
// Six axes shake, each on its own: the translations x, y, z along the camera's own axes (scene
// units) and the rotations yaw (about its y axis), pitch (about x) and roll (about z), in degrees.
// Axis k follows a Catmull-Rom curve through random knots n_i in [−1, 1] spaced 1 / f_k seconds
// apart, f_k its "Frequency" (knots per second; the wobble's main frequency is about f_k / 2):
// between knots n1 and n2, at phase u in [0, 1),
//     c(u) = ½ (2 n1 + (n2 − n0) u + (2 n0 − 5 n1 + 4 n2 − n3) u² + (3 n1 − n0 − 3 n2 + n3) u³),
// so the wobble and its speed are continuous and |c| ≤ 1.25. Its offset is a_k · g · c(u), a_k the
// axis's "Amplitude" and g the overall gain. Each frame of dt seconds advances u by f_k · h · dt,
// h the frequency gain, and every time u passes 1 the knots move on by one and a new knot is drawn
// from the tools' random generator (RandomBits.h): n = 2 · bits / 16777215 − 1. A take that starts
// afresh starts from the "Random Seed" with n0 = n1 = 0, so it leaves the rest pose smoothly, and the
// same seed always gives the same wobble.
//
// The gains. "Shake Amplitude" and "Shake Frequency" are channels: each value (−1 … 1) times its
// "Maximum" passes the two-stage response filter (ResponseFilter.h) with its "Response Factor", and
// the gains are 1 + that (never below 0), so an unbound channel leaves the page's values, −1 at a
// maximum of 1 stills the shake and +1 doubles it. Moving makes an operator shake more: the parent's
// speed v (scene units per second, from its world positions a frame apart) above the "Motion
// Threshold" v0 adds m = "Motion Shake Gain" · max(0, v − v0), itself followed through a filter step
// with the "Motion Response Factor", so g = amplitude gain · (1 + m).
//
// The pose. The camera's local matrix is S · R: R its rest pose relative to the parent (its local
// matrix when the first take began), S the shake, the rotation Rx(pitch) · Ry(yaw) · Rz(roll) with
// the translation (x, y, z), both in the camera's own frame.

/// The shaking axes, in page order.
enum ShakeAxis : std::size_t {
    kShakeX,
    kShakeY,
    kShakeZ,
    kShakeYaw,
    kShakePitch,
    kShakeRoll,
    kShakeAxisCount
};

/// The two gain channels.
enum ShakeInput : std::size_t { kShakeAmplitude, kShakeFrequency, kShakeInputCount };

/// One value per axis.
using ShakeAxes = std::array<double, kShakeAxisCount>;

/// What shapes the shake.
struct ShakeSettings {
    /// Scene units for x, y, z; degrees for yaw, pitch, roll.
    ShakeAxes amplitudes{0.01, 0.012, 0.005, 0.4, 0.5, 0.3};
    /// Knots per second.
    ShakeAxes frequencies{1.2, 1.5, 1.0, 1.0, 1.2, 0.8};
    /// Scene units per second below which moving adds no shake.
    double motionThreshold = 1.0;
    /// Extra gain per scene unit per second above the threshold.
    double motionGain = 0.3;
    double motionResponseFactor = 0.1;
    /// Where a fresh take's random sequence starts.
    int seed = 1;
    /// Response factor and maximum of each gain channel.
    std::array<double, kShakeInputCount> responseFactors{0.2, 0.2};
    std::array<double, kShakeInputCount> maxima{1.0, 1.0};
};

/// The wobble of one axis: the phase between knots n1 and n2, and the four knots.
struct ShakeCurve {
    double phase = 0.0;
    std::array<double, 4> knots{};
};

/// The whole simulation state, with the rest pose it shakes about.
struct ShakeState {
    std::uint32_t random = 0;
    std::array<ShakeCurve, kShakeAxisCount> curves{};
    std::array<ResponseFilter, kShakeInputCount> inputs{};
    /// The filtered extra gain from moving.
    double motion = 0.0;
    /// The overall gain g of the last step.
    double gain = 1.0;
    /// The parent's world position at the last step.
    util::Vector3<double> parentPosition{};
    util::Matrix<double> rest{};
};

/// A fresh take's state: seeded from `settings`, at rest at `rest` under a parent at `parentPosition`.
ShakeState StartShake(const ShakeSettings& settings, const util::Matrix<double>& rest,
                      const util::Vector3<double>& parentPosition);

/// One frame of `dt` seconds with the gain channels at `raw` and the parent at `parentPosition`.
void StepShake(ShakeState& state, const std::array<double, kShakeInputCount>& raw,
               const util::Vector3<double>& parentPosition, const ShakeSettings& settings, double dt);

/// Each axis's offset now: a_k · g · c(u).
ShakeAxes ShakeOffsets(const ShakeState& state, const ShakeSettings& settings);

/// The shake S of `offsets`, in the camera's own frame.
util::Matrix<double> ShakeMatrix(const ShakeAxes& offsets);

/// The camera's local matrix S · R for `state`.
util::Matrix<double> ShakenLocal(const ShakeState& state, const ShakeSettings& settings);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitShakeState(State& state, Field&& field) {
    field(state.random);
    for (auto& curve : state.curves) {
        field(curve.phase);
        for (auto& knot : curve.knots) field(knot);
    }
    for (auto& input : state.inputs) {
        field(input.first);
        field(input.second);
    }
    field(state.motion);
    field(state.gain);
    field(state.parentPosition.x);
    field(state.parentPosition.y);
    field(state.parentPosition.z);
    for (auto& row : state.rest.m)
        for (auto& value : row) field(value);
}

} // namespace vex::orb::addon
