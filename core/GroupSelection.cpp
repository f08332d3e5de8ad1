#include "core/GroupSelection.h"

#include "core/AdaptorInterface.h"

namespace vex::orb::core {

void GroupSelection::Begin() {
    if (open_) return;
    open_ = true;
    if (!adaptor_.isUndoRecording()) {
        adaptor_.beginUndoGroup("NODE_BEGIN_GROUP_SELECT");
        openedUndo_ = true;
    }
}

void GroupSelection::End() {
    open_ = false;
    if (!openedUndo_) return;
    openedUndo_ = false;
    adaptor_.endUndoGroup();
}

} // namespace vex::orb::core
