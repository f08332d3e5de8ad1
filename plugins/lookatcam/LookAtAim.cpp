#include "plugins/lookatcam/LookAtAim.h"

#include <algorithm>

namespace vex::orb::addon {

LookAtState AimingAt(const util::Vector3<double>& target) {
    LookAtState state;
    const double p[3] = {target.x, target.y, target.z};
    for (int i = 0; i < 3; ++i) state.aim[static_cast<std::size_t>(i)] = {p[i], p[i]};
    return state;
}

void StepLookAt(LookAtState& state, const util::Vector3<double>& target, double focusInput,
                const LookAtSettings& settings, double dt) {
    const double p[3] = {target.x, target.y, target.z};
    for (int i = 0; i < 3; ++i)
        state.aim[static_cast<std::size_t>(i)].Step(p[i], settings.aimResponseFactor, dt);
    state.focusOffset.Step(focusInput * settings.focusMaximum, settings.focusResponseFactor, dt);
}

double FocusDistance(const LookAtState& state, double distance, const LookAtSettings& settings) {
    return std::max(distance + state.focusOffset.second, settings.minimumFocusDistance);
}

} // namespace vex::orb::addon
