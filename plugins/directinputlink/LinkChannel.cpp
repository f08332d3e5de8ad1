#include "plugins/directinputlink/LinkChannel.h"

#include <cmath>

namespace vex::orb::addon {
namespace {

// The direction of an input read as a trinary control: analog inputs count from half-way.
std::int32_t TrinaryOf(double input) {
    if (std::abs(input) <= 0.5) return 0;
    return input > 0.0 ? 1 : -1;
}

} // namespace

double StepLinkChannel(LinkChannelState& state, const LinkChannelSettings& settings, double h) {
    double value = state.input;
    if (settings.keepTrinaryState) {
        const std::int32_t direction = TrinaryOf(value);
        if (state.lastTrinaryInput == 0 && direction != 0)
            state.heldTrinaryState = state.heldTrinaryState != 0 ? 0 : direction;
        state.lastTrinaryInput = direction;
        value = state.heldTrinaryState;
    }
    if (settings.changeLimit != 0.0) {
        const double most = std::abs(settings.changeLimit) * h;
        const double change = value - state.previousLimitedInput;
        if (std::abs(change) > most) value = state.previousLimitedInput + std::copysign(most, change);
    }
    state.previousLimitedInput = value;
    state.processed = settings.integrate ? state.processed + h * value : value;
    return state.filter.Step(state.processed * settings.maximum, settings.responseFactor, h);
}

} // namespace vex::orb::addon
