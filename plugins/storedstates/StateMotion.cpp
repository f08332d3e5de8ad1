#include "plugins/storedstates/StateMotion.h"

namespace vex::orb::addon {

void ChooseState(StateRun& run, const SelectionInputs& inputs) {
    std::uint32_t held = 0;
    for (std::size_t k = 0; k < kSelectionChannelCount; ++k) {
        if (!(inputs[k] > kHeldThreshold)) continue;
        const std::uint32_t bit = 1u << k;
        held |= bit;
        if ((run.held & bit) != 0) continue;
        if (k == kNextState)
            run.wanted = (run.wanted + 1) % StoredStates::kCount;
        else if (k == kPreviousState)
            run.wanted = (run.wanted + StoredStates::kCount - 1) % StoredStates::kCount;
        else
            run.wanted = static_cast<std::int32_t>(k);
    }
    run.held = held;
}

void StepStates(StateRun& run, const SelectionInputs& inputs, const StoredStates& states, double factor,
                double dt) {
    ChooseState(run, inputs);
    run.motion.Step(states.Pose(run.wanted), factor, dt);
}

} // namespace vex::orb::addon
