#pragma once

#include "host/builtins/CommandContext.h"
#include "host/scene/Journal.h"

#include <maya/MPxCommand.h>

#include <memory>

namespace vex::host::builtins {

/// A built-in command body: reads the context, sets its result, answers false with a reason on failure.
using CommandFunction = bool (*)(CommandContext& context);

/// The host's command object for a built-in command. doIt runs the body with the scene's journal open;
/// a command that changed something keeps the journal and is undoable, so the host's undo queue takes
/// the whole command back and makes it again. A failing body leaves nothing behind: its partial
/// changes are taken back before the error is reported.
class JournaledCommand : public MPxCommand {
public:
    explicit JournaledCommand(CommandFunction body, bool journaled = true)
        : body_(body), journaled_(journaled) {}

    MStatus doIt(const MArgList& args) override;
    MStatus undoIt() override;
    MStatus redoIt() override;
    bool isUndoable() const override;

    /// The creator the command registry keeps for a body.
    template <CommandFunction Body>
    static void* Creator() {
        return new JournaledCommand(Body);
    }

    /// The creator of a body that works on the undo machinery itself (undoInfo): it runs without a
    /// journal of its own and never enters the undo queue.
    template <CommandFunction Body>
    static void* UnjournaledCreator() {
        return new JournaledCommand(Body, false);
    }

    /// The call a script made, rebuilt from the host's argument list: an argument that starts with "-"
    /// and a letter is a flag, every other one a value.
    static command::CommandCall CallOf(const std::string& name, const MArgList& args);

private:
    CommandFunction body_;
    bool journaled_;
    std::shared_ptr<Journal> journal_;
};

} // namespace vex::host::builtins
