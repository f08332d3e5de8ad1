#pragma once

#include "plugins/common/ResponseFilter.h"

#include <cstdint>

namespace vex::orb::addon {

/// The settings of one input channel of a direct link: how the raw channel value is shaped before it
/// moves the linked node.
struct LinkChannelSettings {
    /// Lag of both filter stages, per 0.04 s (0 or 1: none).
    double responseFactor = 0.2;
    /// The value a full input (1) stands for: a length or an angle in radians.
    double maximum = 1.0;
    /// Largest change of the input per second; 0 lets any change through.
    double changeLimit = 20.0;
    /// A press latches a direction and the next press releases it.
    bool keepTrinaryState = false;
    /// The input is a velocity: its value is summed over time.
    bool integrate = false;
    /// The channel also accepts buttons (binary controls).
    bool acceptBinary = false;

    bool operator==(const LinkChannelSettings&) const = default;
};

/// What one channel of a direct link carries from step to step.
struct LinkChannelState {
    /// The raw value read last; an unbound channel keeps it.
    double input = 0.0;
    /// The input after the change limit, one step ago.
    double previousLimitedInput = 0.0;
    /// The limited input, or its integral with "Integrate".
    double processed = 0.0;
    /// Both filter stages; `filter.second` is the value the pose uses.
    ResponseFilter filter;
    /// The trinary direction read last (−1, 0 or 1).
    std::int32_t lastTrinaryInput = 0;
    /// The latched direction (−1, 0 or 1).
    std::int32_t heldTrinaryState = 0;

    bool operator==(const LinkChannelState&) const = default;
};

/// Shapes the channel's `state.input` over the step `h` as `settings` say: the trinary latch, the
/// change limit, integration, then both filter stages toward processed × maximum. Answers the second
/// filter state.
double StepLinkChannel(LinkChannelState& state, const LinkChannelSettings& settings, double h);

/// Calls `field(value)` on every number of `state` in its saved order.
template <class State, class Field>
void VisitLinkChannel(State& state, Field&& field) {
    field(state.input);
    field(state.previousLimitedInput);
    field(state.processed);
    field(state.filter.first);
    field(state.filter.second);
    field(state.lastTrinaryInput);
    field(state.heldTrinaryState);
}

} // namespace vex::orb::addon
