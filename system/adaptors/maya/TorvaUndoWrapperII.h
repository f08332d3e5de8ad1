#pragma once

#include <maya/MPxCommand.h>

namespace vex::orb::adaptor::maya {

/// The command that stands for one group of the adaptor's undo list in Maya's queue:
/// "TorvaUndoWrapperII -id <group>". Maya undoing or redoing it rolls the list back or forward by
/// one group and refreshes the views.
class TorvaUndoWrapperII : public MPxCommand {
public:
    /// The command's name in Maya.
    static constexpr const char* kName = "TorvaUndoWrapperII";

    /// A new command object, for registration.
    static void* Creator();

    /// Reads the group id ("-i"/"-id"); fails without one.
    MStatus doIt(const MArgList& args) override;
    /// Undoes one group of the list.
    MStatus undoIt() override;
    /// Redoes one group of the list.
    MStatus redoIt() override;
    /// True once the command carries a group id.
    bool isUndoable() const override { return hasId_; }

private:
    int id_ = -1;
    bool hasId_ = false;
};

} // namespace vex::orb::adaptor::maya
