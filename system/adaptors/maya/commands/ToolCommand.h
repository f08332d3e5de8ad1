#pragma once

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>
#include <maya/MStatus.h>

#include <string>

namespace vex::orb::core {
class CoreImplementation;
}

namespace vex::orb::adaptor::maya {

class MayaAdaptorInterface;

/// The base of the plug-in's Torva commands: none of them is undoable in Maya's queue itself (their
/// host edits go through the adaptor's undo groups), and they share the reading of their arguments.
class ToolCommand : public MPxCommand {
public:
    bool isUndoable() const override { return false; }

protected:
    /// The text after "-n"/"-name" (empty when the flag or its text is missing); `flag` receives the
    /// flag's index, MArgList::kInvalidArgIndex without one.
    static std::string NameArgument(const MArgList& args, unsigned int& flag);
    /// The text at `index` (empty when there is none).
    static std::string StringAt(const MArgList& args, unsigned int index);
    /// Creates an instance of the tool type `type` (empty when there is none) as one undo step; a tool
    /// that drives on a ground is stood on the polygon mesh that was selected, with a warning when none
    /// was.
    static std::string CreateTool(const std::string& type);
    /// Reports `usage` on the error output and answers failure.
    static MStatus Usage(const char* usage);
    /// The adaptor (made, with the core on it, on first use) and the running core (null when the
    /// core did not start).
    static MayaAdaptorInterface& Adaptor();
    static core::CoreImplementation* Core();
};

} // namespace vex::orb::adaptor::maya
