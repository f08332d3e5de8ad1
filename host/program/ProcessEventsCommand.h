#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

namespace vex::host::program {

/// "processEvents": runs the program's events (the plug-ins' real-time loops among them) until a
/// condition holds, for scripts that start a take or a re-simulation and wait for it.
///   processEvents -untilTime T    until the scene's current time reaches T (in the current time unit)
///   processEvents -untilIdle      until no real-time loop runs a timer
///   processEvents -seconds S      for S seconds of the clock
/// "-timeout S" bounds the wait (default 600 s of the clock); a wait that ends before its condition
/// holds is an error. The result is the current time.
class ProcessEventsCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new ProcessEventsCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();
};

} // namespace vex::host::program
