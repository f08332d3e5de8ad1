#pragma once

#include "plugins/common/ResponseFilter.h"
#include "util/Vector3.h"

#include <array>

namespace vex::orb::addon {

// What the look-at camera aims at and where it focuses.
//
// The aim point a follows the target's world position p through the two-stage response filter
// (ResponseFilter.h), one filter per coordinate, with the "Aim Response Factor" k (per 0.04 s):
// k = 1 (or 0) aims at the target itself every step, smaller factors let the camera lag behind a
// moving target as an operator would. The camera turns so that its −z axis points at a (AimAt.h).
//
// The lens's focus distance (its centre of interest) is the target's distance |p − eye| plus a focus
// offset: the channel "Focus Offset (Far/Near)" (−1 … 1) times its "Maximum" (scene units), through
// the same filter with its own "Response Factor", so a focus puller can rack the focus off the
// target and back; it never goes below "Minimum Focus Distance".

/// The filtered aim point and focus offset.
struct LookAtState {
    std::array<ResponseFilter, 3> aim{};
    ResponseFilter focusOffset{};

    /// The aim point as the camera uses it.
    util::Vector3<double> AimPoint() const { return {aim[0].second, aim[1].second, aim[2].second}; }
};

/// What shapes the aim and the focus.
struct LookAtSettings {
    double aimResponseFactor = 1.0;
    double focusResponseFactor = 0.2;
    /// Scene units at full deflection of the focus channel.
    double focusMaximum = 5.0;
    double minimumFocusDistance = 0.01;
};

/// A state aiming at `target` already, with no focus offset.
LookAtState AimingAt(const util::Vector3<double>& target);

/// One step of `dt` seconds toward the target at `target` with the focus channel at `focusInput`.
void StepLookAt(LookAtState& state, const util::Vector3<double>& target, double focusInput,
                const LookAtSettings& settings, double dt);

/// The focus distance for a target `distance` away.
double FocusDistance(const LookAtState& state, double distance, const LookAtSettings& settings);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitLookAtState(State& state, Field&& field) {
    for (auto& axis : state.aim) {
        field(axis.first);
        field(axis.second);
    }
    field(state.focusOffset.first);
    field(state.focusOffset.second);
}

} // namespace vex::orb::addon
