#pragma once

#include "plugins/common/PoseFilter.h"
#include "plugins/storedstates/StoredStates.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vex::orb::addon {

// How a state tool moves between its stored states.
//
// Choosing. The tool reads twelve selection channels each step: "State 0" … "State 9" choose that
// state, "Next State" and "Previous State" the one after or before the wanted one (9 is followed by 0).
// A channel chooses when it goes down: its value rises above 0.5 after a step at which it was at or
// below 0.5, so a held key chooses once and a key held while a run starts chooses at its first step.
// When several go down at the same step they apply in channel order (so a state channel wins over the
// ones before it, and "Next State" counts on from it).
//
// Moving. The current pose (relative to the cage) follows the wanted state's pose through the
// two-stage response filter on poses (PoseFilter.h) with the "Response Factor", taken per 0.04 s:
// positions coordinate by coordinate, the orientation by the same share of the shorter great arc (a
// spherical blend). A factor of 0 or 1 jumps to the wanted pose at the step the state is chosen;
// smaller factors glide there, easing in and out.

/// The selection channels: one per state, then next and previous.
enum SelectionChannel : std::size_t {
    kNextState = StoredStates::kCount,
    kPreviousState,
    kSelectionChannelCount
};

/// One value per selection channel.
using SelectionInputs = std::array<double, kSelectionChannelCount>;

/// A channel value above this counts as held.
inline constexpr double kHeldThreshold = 0.5;

/// The whole state of a run.
struct StateRun {
    /// The current pose (`motion.second`) and the filter stage it follows.
    PoseFilter motion{};
    /// The state the current pose is heading to, 0 … 9.
    std::int32_t wanted = 0;
    /// Bit k set: selection channel k was held at the last step.
    std::uint32_t held = 0;
};

/// Chooses the wanted state from `inputs` and remembers which channels are held.
void ChooseState(StateRun& run, const SelectionInputs& inputs);

/// One step of `dt` seconds: chooses, then moves the current pose toward the wanted state's pose.
void StepStates(StateRun& run, const SelectionInputs& inputs, const StoredStates& states, double factor,
                double dt);

/// Calls `field` on every number of `run`, in saved order.
template <class Run, class Field>
void VisitStateRun(Run& run, Field&& field) {
    for (auto* pose : {&run.motion.first, &run.motion.second}) {
        field(pose->translation.x);
        field(pose->translation.y);
        field(pose->translation.z);
        field(pose->rotation.x);
        field(pose->rotation.y);
        field(pose->rotation.z);
        field(pose->rotation.w);
    }
    field(run.wanted);
    field(run.held);
}

} // namespace vex::orb::addon
