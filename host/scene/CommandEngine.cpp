#include "CommandEngine.h"

#include "CommandLine.h"
#include "CommandRegistry.h"
#include "MessageHub.h"
#include "ScriptEditor.h"
#include "UndoQueue.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

#include <memory>

namespace vex::host {

CommandEngine& CommandEngine::get() {
    static CommandEngine engine;
    return engine;
}

CommandEngine::CommandEngine() : frames_(1) {}

MStatus CommandEngine::execute(const std::string& text, bool display, bool undoable, CommandResult* result) {
    std::vector<CommandLine::Statement> statements;
    std::string error;
    if (!CommandLine::parse(text, statements, error)) {
        ScriptEditor::get().write(ScriptEditor::Kind::Error, "Syntax error: " + error);
        return MStatus(MStatus::kInvalidParameter, "Syntax error: " + error);
    }
    frames_.emplace_back();
    MStatus status;
    for (const CommandLine::Statement& statement : statements) {
        status = run(statement.text, statement.name, statement.args, display, undoable);
        if (!status) break;
    }
    if (result) *result = frames_.back();
    frames_.pop_back();
    return status;
}

MStatus CommandEngine::run(const std::string& statementText, const std::string& name,
                           const std::vector<std::string>& args, bool display, bool undoable) {
    const CommandRegistry::Creator creator = CommandRegistry::get().find(name);
    if (!creator) {
        const std::string message = "Cannot find procedure \"" + name + "\".";
        ScriptEditor::get().write(ScriptEditor::Kind::Error, message);
        return MStatus(MStatus::kNotFound, message);
    }
    if (display) ScriptEditor::get().write(ScriptEditor::Kind::Command, statementText + ";");

    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(creator()));
    if (!command) return MStatus(MStatus::kFailure, "The command \"" + name + "\" could not be created.");
    command->setCommandString(statementText);
    MArgList argList;
    for (const std::string& arg : args) argList.addArg(MString(arg));

    frames_.back().clear();
    const MStatus status = command->doIt(argList);
    if (status && undoable && command->isUndoable()) UndoQueue::get().push(std::move(command), statementText);
    // A command not handed to the queue is destroyed before the command callbacks run.
    command.reset();
    MessageHub::get().fireCommand(statementText);
    if (status && display && frames_.back().type() != CommandResult::Type::Empty)
        ScriptEditor::get().write(ScriptEditor::Kind::Result, frames_.back().asText());
    return status;
}

} // namespace vex::host
