#pragma once

#include "plugins/common/ResponseFilter.h"

namespace vex::orb::addon {

// The zoom and the focus pull of the auto-focus camera.
//
// The zoom. The channel "Zoom (In/Out)" (−1 … 1) times its "Maximum" is a zoom rate z, passed
// through the two-stage response filter (ResponseFilter.h) with its "Response Factor". The focal
// length, proportional to 1 / tan(φ / 2) for a horizontal field of view φ, grows by e^(z · dt) over a
// frame of dt seconds:
//     φ := clamp(2 atan(tan(φ / 2) · e^(−z · dt)), "Minimum Field Of View", "Maximum Field Of View"),
// so +1 at a maximum of 1 zooms in by a factor e per second, the same feel at every focal length.
//
// The focus pull. The channel "Focal Position (Target 1/2)" chooses where the camera focuses: 0 on
// target 1, 1 on target 2. With "Free Focal Position" the wanted position is the channel's value
// clamped to 0 … 1, anywhere between the targets; without it the wanted position is the nearer end
// (target 2 from 0.5 on). The focal position u follows the wanted one through the response filter
// with the "Focal Position Response Factor" (1 pulls the focus at once). The focal point is
// p1 + u (p2 − p1) on the line between the targets, and the lens's focus distance is its distance
// from the camera.

/// What shapes the zoom and the focus pull.
struct FocusPullSettings {
    double zoomResponseFactor = 0.2;
    /// e-folds of focal length per second at full deflection.
    double zoomMaximum = 1.0;
    double minimumFieldOfView = 1.0;
    double maximumFieldOfView = 120.0;
    double focalResponseFactor = 0.1;
    bool freeFocalPosition = true;
};

/// The lens and focus state.
struct FocusPullState {
    double fieldOfView = 54.0;
    ResponseFilter zoomRate{};
    /// The focal position u, in its filter.
    ResponseFilter focal{};

    /// u as the focus uses it.
    double FocalPosition() const { return focal.second; }
};

/// The focal position `focalInput` (the focal channel's value) asks for.
double WantedFocalPosition(double focalInput, const FocusPullSettings& settings);

/// A fresh take's state: the lens at `fieldOfView`, at rest, focused at `focalPosition`.
FocusPullState StartFocusPull(double fieldOfView, double focalPosition);

/// One frame of `dt` seconds with the zoom channel at `zoomInput` and the focal channel at
/// `focalInput`.
void StepFocusPull(FocusPullState& state, double zoomInput, double focalInput,
                   const FocusPullSettings& settings, double dt);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitFocusPullState(State& state, Field&& field) {
    field(state.fieldOfView);
    field(state.zoomRate.first);
    field(state.zoomRate.second);
    field(state.focal.first);
    field(state.focal.second);
}

} // namespace vex::orb::addon
