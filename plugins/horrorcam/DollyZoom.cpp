#include "plugins/horrorcam/DollyZoom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

} // namespace

double PictureWidth(double fieldOfView, double depth) {
    return 2.0 * depth * std::tan(0.5 * fieldOfView * kRadiansPerDegree);
}

DollyZoomState StartDollyZoom(double fieldOfView, double depth) {
    DollyZoomState state;
    state.fieldOfView = fieldOfView;
    if (depth > 0.0) state.pictureWidth = PictureWidth(fieldOfView, depth);
    return state;
}

double StepDollyZoom(DollyZoomState& state, double depth, double widthInput,
                     const DollyZoomSettings& settings, double dt) {
    const double rate =
        state.widthRate.Step(widthInput * settings.widthMaximum, settings.widthResponseFactor, dt);
    state.pictureWidth *= std::exp(rate * dt);
    if (depth >= std::max(settings.minimumDepth, 0.0) && depth > 0.0) {
        const double wanted = 2.0 * std::atan(state.pictureWidth / (2.0 * depth)) / kRadiansPerDegree;
        state.fieldOfView = std::clamp(wanted, settings.minimumFieldOfView,
                                       std::max(settings.minimumFieldOfView, settings.maximumFieldOfView));
    }
    return state.fieldOfView;
}

} // namespace vex::orb::addon
