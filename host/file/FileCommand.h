#pragma once

#include <maya/MPxCommand.h>

namespace vex::host::file {

/// The "file" command:
///   file -new [-f]                         empties the scene
///   file [-f] -o/-open path                opens a scene file (refused when it is malformed)
///   file -s/-save [-type "mayaAscii"]      writes the current file
///   file -rn/-rename path                  names the current file
///   file -i/-import [-ns/-namespace ns] path   adds a file's nodes, in a namespace when given
///   file -q -sn/-sceneName                 answers the current file ("" when there is none)
/// Only "mayaAscii" files are known; -f is accepted (the host does not ask about unsaved changes).
/// The command itself is not undoable; opening and new scenes clear the undo queue.
class FileCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    /// Makes a command object for the command registry.
    static void* Creator() { return new FileCommand; }
};

} // namespace vex::host::file
