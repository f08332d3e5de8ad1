#include "host/scene/BuiltinCommands.h"

#include "host/file/FileCommand.h"
#include "host/scene/PluginManager.h"
#include "host/scene/UndoQueue.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

namespace vex::host {

namespace {

/// "undo": undoes the last kept command. With nothing to undo it only warns, as the script editor does.
class UndoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override {
        if (UndoQueue::get().Position() > 0) return UndoQueue::get().undo();
        displayWarning("There are no more commands to undo.");
        return MStatus::kSuccess;
    }
    static void* Creator() { return new UndoCommand; }
};

/// "redo": redoes the last undone command. With nothing to redo it only warns.
class RedoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override {
        if (UndoQueue::get().Position() < UndoQueue::get().size()) return UndoQueue::get().redo();
        displayWarning("There are no more commands to redo.");
        return MStatus::kSuccess;
    }
    static void* Creator() { return new RedoCommand; }
};

/// "flushUndo": forgets every kept command.
class FlushUndoCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList&) override {
        UndoQueue::get().Flush();
        return MStatus::kSuccess;
    }
    static void* Creator() { return new FlushUndoCommand; }
};

/// "loadPlugin <path>": loads a plug-in library; the result is the plug-in's name.
class LoadPluginCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        MStatus status;
        const MString path = args.asString(0, &status);
        if (!status) return MStatus(MStatus::kInvalidParameter, "Usage: loadPlugin <file>");
        std::string name;
        status = PluginManager::get().Load(path.str(), &name);
        if (status) setResult(MString(name));
        return status;
    }
    static void* Creator() { return new LoadPluginCommand; }
};

/// "unloadPlugin <name>": unloads a plug-in by name or path.
class UnloadPluginCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        MStatus status;
        const MString name = args.asString(0, &status);
        if (!status) return MStatus(MStatus::kInvalidParameter, "Usage: unloadPlugin <name>");
        return PluginManager::get().Unload(name.str());
    }
    static void* Creator() { return new UnloadPluginCommand; }
};

} // namespace

namespace {

// The scene-file command's flags: new, open, save, import, rename and the scene name query.
std::shared_ptr<const CommandSyntax> FileSyntax() {
    using Arg = CommandSyntax::Arg;
    auto syntax = std::make_shared<CommandSyntax>();
    syntax->Query()
        .flag("-sn", "-sceneName")
        .flag("-new", "-newFile")
        .flag("-f", "-force")
        .flag("-o", "-open")
        .flag("-s", "-save")
        .flag("-i", "-import")
        .flag("-rn", "-rename", Arg::kString)
        .flag("-typ", "-type", Arg::kString)
        .flag("-ns", "-namespace", Arg::kString);
    return syntax;
}

} // namespace

const std::vector<BuiltinCommand>& BuiltinCommands() {
    static const auto plain = std::make_shared<const CommandSyntax>(); // no flags at all
    static const std::vector<BuiltinCommand> commands = {
        {"undo", &UndoCommand::Creator, plain},
        {"redo", &RedoCommand::Creator, plain},
        {"flushUndo", &FlushUndoCommand::Creator, plain},
        {"loadPlugin", &LoadPluginCommand::Creator, plain},
        {"unloadPlugin", &UnloadPluginCommand::Creator, plain},
        {"file", &file::FileCommand::Creator, FileSyntax()}};
    return commands;
}

} // namespace vex::host
