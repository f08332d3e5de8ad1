#include "plugins/autofocuscam/FocusPull.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

} // namespace

double WantedFocalPosition(double focalInput, const FocusPullSettings& settings) {
    if (settings.freeFocalPosition) return std::clamp(focalInput, 0.0, 1.0);
    return focalInput >= 0.5 ? 1.0 : 0.0;
}

FocusPullState StartFocusPull(double fieldOfView, double focalPosition) {
    FocusPullState state;
    state.fieldOfView = fieldOfView;
    state.focal = {focalPosition, focalPosition};
    return state;
}

void StepFocusPull(FocusPullState& state, double zoomInput, double focalInput,
                   const FocusPullSettings& settings, double dt) {
    const double rate =
        state.zoomRate.Step(zoomInput * settings.zoomMaximum, settings.zoomResponseFactor, dt);
    const double half = std::tan(0.5 * state.fieldOfView * kRadiansPerDegree) * std::exp(-rate * dt);
    state.fieldOfView = std::clamp(2.0 * std::atan(half) / kRadiansPerDegree, settings.minimumFieldOfView,
                                   std::max(settings.minimumFieldOfView, settings.maximumFieldOfView));
    state.focal.Step(WantedFocalPosition(focalInput, settings), settings.focalResponseFactor, dt);
}

} // namespace vex::orb::addon
