#pragma once

#include "CommandResult.h"

#include <maya/MStatus.h>

#include <deque>
#include <string>

namespace vex::host {

/// Executes command text: each statement's command is looked up by name, created, given its arguments
/// and run. An undoable command run with undo enabled is handed to the undo queue, every other command
/// object is destroyed after its doIt. Every executed statement's text goes to the command message
/// callbacks after it ran. Commands may execute further commands from inside their doIt; each execution
/// collects its own result.
class CommandEngine {
public:
    /// The one engine of the process.
    static CommandEngine& get();

    /// Executes `text`. `display` echoes each statement (and a non-empty result) to the script output;
    /// `undoable` lets undoable commands enter the undo queue. Stops at the first failing statement and
    /// answers its status; `result`, when given, receives the last statement's result.
    MStatus execute(const std::string& text, bool display, bool undoable, CommandResult* result = nullptr);

    /// The result of the command running now, which MPxCommand::setResult and its kin edit. Outside any
    /// command it is a scratch result.
    CommandResult& currentResult() { return frames_.back(); }

private:
    CommandEngine();
    /// Runs one parsed statement into the current result.
    MStatus run(const std::string& statementText, const std::string& name,
                const std::vector<std::string>& args, bool display, bool undoable);

    std::deque<CommandResult> frames_; // one per execution in progress, plus the scratch result at the bottom
};

} // namespace vex::host
