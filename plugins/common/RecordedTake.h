#pragma once

#include "interface/CInterface.h"
#include "interface/CVariableModUndo.h"
#include "plugins/common/PoseMatch.h"
#include "plugins/common/StateRecord.h"

namespace vex::orb::addon {

/// Starts a take of a tool that records its whole `state` per frame in `record`, at `t`: hands `core`
/// an undo record of `record` (so the take can be undone), takes the state recorded within half a
/// frame of `t` or else `fresh()`, forgets the frames after `t` and records the start.
template <class State, class Fresh>
void BeginRecordedTake(CInterface* core, StateRecord<State>& record, State& state, double t, Fresh fresh) {
    core->addUndo(new CVariableModUndo<StateRecord<State>>(&record));
    const State* recorded = RecordedNear(record, t, core->getFrameDuration());
    state = recorded != nullptr ? *recorded : fresh();
    record.TruncateAfter(t);
    record.Set(t, state);
}

} // namespace vex::orb::addon
