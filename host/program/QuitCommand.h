#pragma once

#include "host/scene/CommandSyntax.h"

#include <maya/MPxCommand.h>

#include <functional>

namespace vex::host::program {

/// "quit": ends the program once the script that runs it is done, with no window left waiting.
///   quit [-f | -force] [-ec | -exitCode N]
/// Without -force, a host window first asks about unsaved changes; answering Cancel keeps the program
/// running. The exit status is N (default 0).
class QuitCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* Creator() { return new QuitCommand; }
    /// The flags the command reads, checked before it runs and listed by "help".
    static CommandSyntax Syntax();

    /// Whether a script asked to quit, and with which status.
    static bool Requested();
    static int ExitCode();
    /// Forgets a request (a new program run).
    static void Reset();
    /// What asks about unsaved changes before a quit without -force (true: go on); none: never asks.
    static void SetConfirm(std::function<bool()> confirm);
};

} // namespace vex::host::program
