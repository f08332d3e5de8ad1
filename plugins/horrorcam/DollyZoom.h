#pragma once

#include "plugins/common/ResponseFilter.h"

namespace vex::orb::addon {

// The contracting-room (dolly zoom) lens of the auto-zoom camera: as the camera moves toward or away
// from its target, the lens zooms so that the target keeps its size in the picture while the
// background seems to stretch or shrink behind it.
//
// A lens of horizontal field of view φ shows, at a depth d in front of the camera, a picture
// W = 2 d tan(φ / 2) wide; an object of width s there fills s / W of the picture. Keeping the
// target's share constant means keeping W constant: when a take starts afresh W is taken from the
// lens and the target's depth then, and every step the lens gets
//     φ = 2 atan(W / (2 d)),
// clamped to the "Minimum Field Of View" … "Maximum Field Of View" (degrees), so the focal length,
// proportional to 1 / tan(φ / 2), grows in proportion to the depth. d is the target's depth along
// the camera's line of sight (the distance itself while the camera aims at the target); a target
// closer than "Minimum Depth", or behind the camera, leaves the lens as it was.
//
// The framing can change during the take: the channel "Picture Width (Wider/Narrower)" (−1 … 1)
// times its "Maximum" is a rate, passed through the two-stage response filter (ResponseFilter.h)
// with its "Response Factor": W := W · exp(rate · dt), so +1 at a maximum of 0.5 widens the picture
// by e every two seconds.

/// What shapes the zoom.
struct DollyZoomSettings {
    double minimumFieldOfView = 1.0;
    double maximumFieldOfView = 170.0;
    double minimumDepth = 0.01;
    double widthResponseFactor = 0.2;
    /// e-folds per second at full deflection.
    double widthMaximum = 0.5;
};

/// The zoom's state: the kept picture width W, the lens's field of view, the width rate's filter.
struct DollyZoomState {
    double pictureWidth = 1.0;
    double fieldOfView = 54.0;
    ResponseFilter widthRate{};
};

/// The picture width W a lens of `fieldOfView` degrees shows at `depth`.
double PictureWidth(double fieldOfView, double depth);

/// A fresh take's state for a lens of `fieldOfView` degrees with the target at `depth`.
DollyZoomState StartDollyZoom(double fieldOfView, double depth);

/// One frame of `dt` seconds with the target at `depth` and the width channel at `widthInput`: the
/// new field of view.
double StepDollyZoom(DollyZoomState& state, double depth, double widthInput,
                     const DollyZoomSettings& settings, double dt);

/// Calls `field` on every number of `state`, in saved order.
template <class State, class Field>
void VisitDollyZoomState(State& state, Field&& field) {
    field(state.pictureWidth);
    field(state.fieldOfView);
    field(state.widthRate.first);
    field(state.widthRate.second);
}

} // namespace vex::orb::addon
