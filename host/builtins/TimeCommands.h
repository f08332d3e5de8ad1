#pragma once

#include "host/builtins/CommandContext.h"

namespace vex::host::builtins {

/// "currentTime [-e] frame" moves the time (undoable, fires "timeChanged"); "currentTime -q" answers it.
bool CurrentTimeCommand(CommandContext& context);
/// "playbackOptions [-min f] [-max f] [-ast f] [-aet f] [-by n] [-l once|continuous|oscillate]";
/// with -q, answers the value of the one flag given.
bool PlaybackOptionsCommand(CommandContext& context);
/// "play [-f bool] [-st bool]" starts or stops playback; "play -q -st" answers whether it plays.
bool PlayCommand(CommandContext& context);
/// "filterCurve curves...": Euler filter on rotation curves; key values move by whole turns so that
/// no step between neighbouring keys exceeds half a turn.
bool FilterCurveCommand(CommandContext& context);

} // namespace vex::host::builtins
