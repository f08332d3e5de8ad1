#pragma once

#include "plugins/dirivodarez/FreeFlightParameters.h"
#include "plugins/dirivodarez/FreeFlightState.h"

#include <array>

namespace vex::orb::addon {

// The motion of the free-flying camera. A frame of d seconds is integrated in n = trunc(d / 0.003)
// sub-steps (at least one) of h = d / n. In each sub-step:
//   - every input's target (raw × maximum) is followed by its two filter stages with its response
//     factor (the filter step per 0.04 s); the motion reads the second stage f;
//   - the velocities are made afresh from f and the camera's axes x, y, z (the rows of its rotation),
//     the linear ones scaled by s = "Relative Scale": with roll allowed, v = s (f_right x + f_up y −
//     f_fwd z) and ω = f_pitch x − f_yaw y − f_roll z; without, x and z are taken level (z flipped when
//     the camera is upside down), v = s (f_right x_h − f_fwd z_h σ) + s f_up Y and ω = f_pitch x −
//     f_yaw Y (Y the world's vertical), the roll input unused. So nothing but the inputs' decay slows
//     the camera down;
//   - the walk cycle adds sin(2π frequency counter h) × amplitude about x, the shake random kicks
//     about x, y, z (with roll) or x and Y (without); each amplitude follows its filtered input while
//     the input is held and fades with its fade-out factor once released;
//   - held regulators pull the pose: the translation regulator moves a helper position toward the
//     remembered one and the camera toward the helper, the orientation regulator does the same for the
//     orientation, the anti-roll regulator turns the camera toward the same view without roll, all with
//     their channels' response factors; "Save MemReg State" remembers the pose. When a pulling
//     regulator is released, the velocity of the last sub-step (from the ring of poses) is written into
//     both filter stages of the speed inputs, so the camera flies on without a jump;
//   - the orientation turns by h ω about world axes (the turn is applied after the current
//     orientation: Multiply(q, FromRotationVector(h ω))), is normalised, and the position moves by h v.
//     Without roll the turn about x and the turn about the vertical are applied one after the other
//     (x first): each keeps a level x-axis level, where one turn about their sum would let the horizon
//     creep when the camera yaws and pitches at once.

/// The raw channel values of one frame, by FreeFlightInputIndex.
using FlightRawInputs = std::array<double, kFlightInputCount>;

/// Longest sub-step of the motion, in seconds.
inline constexpr double kFlightMaxSubStep = 0.003;

/// Integrates `state` over a frame of `d` seconds with the inputs `raw`.
void RunFreeFlight(FreeFlightState& state, const FlightRawInputs& raw, const FreeFlightParameters& parameters,
                   double d);

/// One sub-step of `h` seconds (see above).
void FreeFlightSubStep(FreeFlightState& state, const FlightRawInputs& raw,
                       const FreeFlightParameters& parameters, double h);

/// `q` turned about its view axis so that its x-axis is level and its y-axis points up: the same view
/// without roll. `q` itself when it looks straight up or down.
util::Quat<double> WithoutRoll(const util::Quat<double>& q);

/// A state at rest at `pose`: the ring filled with it, it remembered, every filter empty.
FreeFlightState RestingFlight(const FlightPose& pose);

} // namespace vex::orb::addon
