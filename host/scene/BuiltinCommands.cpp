#include "BuiltinCommands.h"

#include "UndoQueue.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

namespace vex::host {

namespace {

/// "undo": undoes the last kept command.
class UndoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override { return UndoQueue::get().undo(); }
    static void* creator() { return new UndoCommand; }
};

/// "redo": redoes the last undone command.
class RedoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override { return UndoQueue::get().redo(); }
    static void* creator() { return new RedoCommand; }
};

/// "flushUndo": forgets every kept command.
class FlushUndoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override {
        UndoQueue::get().flush();
        return MStatus::kSuccess;
    }
    static void* creator() { return new FlushUndoCommand; }
};

} // namespace

const std::vector<BuiltinCommand>& builtinCommands() {
    static const std::vector<BuiltinCommand> commands = {{"undo", &UndoCommand::creator},
                                                         {"redo", &RedoCommand::creator},
                                                         {"flushUndo", &FlushUndoCommand::creator}};
    return commands;
}

} // namespace vex::host
