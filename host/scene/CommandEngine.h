#pragma once

#include "host/command/Interpreter.h"
#include "host/command/Value.h"

#include <maya/MStatus.h>

#include <deque>
#include <string>
#include <vector>

namespace vex::host {

/// Executes command text for the host (MGlobal::executeCommand). The text runs in the host's one
/// script interpreter; a command name the interpreter does not know is looked up among the registered
/// commands (plug-in MPxCommands and the host's undo, redo and flushUndo): one command object is created
/// per call, given its arguments as an MArgList and run. An undoable command run while undo is enabled
/// is handed to the undo queue; every other command object is destroyed after its doIt. The text of
/// every registered command that ran goes to the command message callbacks. The errors a command
/// writes while it runs become the reason of its failure, so each is reported once, with the
/// command's name and line; a command that succeeds passes them on with its name and line. Commands may
/// execute further commands from inside their doIt; each call collects its own result.
class CommandEngine {
public:
    /// The one engine of the process.
    static CommandEngine& get();

    /// Executes `text`. `display` echoes the text (and a non-empty result) to the script output;
    /// `undoable` lets undoable commands enter the undo queue. Stops at the first error, which is
    /// written to the script output and answered as a failing status; `result`, when given, receives
    /// the value of the last statement.
    MStatus Execute(const std::string& text, bool display, bool undoable, command::Value* result = nullptr);

    /// The result of the registered command running now, which MPxCommand::setResult and its kin edit.
    /// Outside any command it is a scratch value.
    command::Value& CurrentResult() { return results_.back(); }

    /// The host's script interpreter: script commands built into the host register here.
    command::Interpreter& Interpreter() { return interpreter_; }

    /// Why something failed, told once: the errors it reported while it ran, then the status's own
    /// message when it says more (the status's code name left out).
    static std::string FailureReason(const std::vector<std::string>& reported, const MStatus& status);

    /// The text a call is echoed as: name, flags and values, strings quoted where needed, and ";".
    static std::string CallText(const command::CommandCall& call);

private:
    CommandEngine();
    /// Runs a registered command for the interpreter; false with an empty error for unknown names.
    bool RunRegistered(const command::CommandCall& call, command::Value& result, std::string& error);

    command::Interpreter interpreter_;
    std::deque<command::Value> results_; // one per registered command running, plus the scratch value
    std::vector<bool> undoEnabled_;      // the undoable option of each execute in progress
};

} // namespace vex::host
