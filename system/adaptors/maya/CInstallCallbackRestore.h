#pragma once

#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/UndoManagement.h"

namespace vex::orb::adaptor::maya {

/// The adaptor's path-to-callback map around the installation of a parent-removed callback: undo
/// and redo swap the copy taken before the installation with the adaptor's map.
class CInstallCallbackRestore : public UndoManagement::UndoUnit {
public:
    /// Takes the copy of the map as it is now, before the installation.
    explicit CInstallCallbackRestore(MayaAdaptorInterface& adaptor)
        : adaptor_(adaptor), copy_(adaptor.parentCallbacks_) {}

    void undo() override { copy_.swap(adaptor_.parentCallbacks_); }
    void redo() override { copy_.swap(adaptor_.parentCallbacks_); }

private:
    MayaAdaptorInterface& adaptor_;
    MayaAdaptorInterface::CallbackMap copy_;
};

} // namespace vex::orb::adaptor::maya
