#include "host/builtins/JournaledCommand.h"

#include "host/builtins/SessionCommands.h"
#include "host/builtins/UndoChunk.h"
#include "host/scene/CommandEngine.h"
#include "host/scene/Scene.h"

#include <maya/MArgList.h>

#include <cctype>

namespace vex::host::builtins {

command::CommandCall JournaledCommand::CallOf(const std::string& name, const MArgList& args) {
    command::CommandCall call;
    call.name = name;
    for (unsigned int i = 0; i < args.length(); ++i) {
        const std::string text = args.asString(i).str();
        const bool isFlag =
            text.size() > 1 && text[0] == '-' && std::isalpha(static_cast<unsigned char>(text[1]));
        call.args.push_back({command::Value::String(text), isFlag});
    }
    return call;
}

MStatus JournaledCommand::doIt(const MArgList& args) {
    // The command's name is the first word of the text the engine set before calling doIt.
    const std::string text = commandString().str();
    const std::string name = text.substr(0, text.find_first_of(" ;"));
    const command::CommandCall call = CallOf(name, args);
    command::Value& result = CommandEngine::get().CurrentResult();
    CommandContext context(call, result);

    if (!journaled_)
        return body_(context) ? MStatus::kSuccess : MStatus(MStatus::kFailure, MString(context.error));
    Scene& scene = Scene::Instance();
    scene.BeginJournal();
    const bool ok = body_(context);
    journal_ = scene.EndJournal();
    if (!ok) {
        journal_->undo(scene);
        journal_.reset();
        return MStatus(MStatus::kFailure, MString(context.error));
    }
    return MStatus::kSuccess;
}

bool JournaledCommand::isUndoable() const {
    // Inside an open chunk the chunk keeps the changes.
    return journal_ && !journal_->empty() && UndoEnabled() && !UndoChunk::IsOpen();
}

MStatus JournaledCommand::undoIt() {
    if (journal_) journal_->undo(Scene::Instance());
    return MStatus::kSuccess;
}

MStatus JournaledCommand::redoIt() {
    if (journal_) journal_->redo(Scene::Instance());
    return MStatus::kSuccess;
}

} // namespace vex::host::builtins
