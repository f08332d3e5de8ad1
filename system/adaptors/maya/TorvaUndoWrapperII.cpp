#include "system/adaptors/maya/TorvaUndoWrapperII.h"

#include "system/adaptors/maya/UndoManagement.h"

#include <maya/M3dView.h>
#include <maya/MArgList.h>

namespace vex::orb::adaptor::maya {

namespace {

// Every view shows the state the group left, without forcing a redraw of unchanged ones.
void RefreshViews() {
    M3dView::active3dView().refresh(true, false);
}

} // namespace

void* TorvaUndoWrapperII::Creator() {
    return new TorvaUndoWrapperII();
}

MStatus TorvaUndoWrapperII::doIt(const MArgList& args) {
    const unsigned int flag = args.flagIndex("i", "id");
    if (flag == MArgList::kInvalidArgIndex) return MS::kInvalidParameter;
    MStatus status;
    const int id = args.asInt(flag + 1, &status);
    if (!status) return status;
    id_ = id;
    hasId_ = true;
    return MS::kSuccess;
}

MStatus TorvaUndoWrapperII::undoIt() {
    UndoManagement::Instance().undoGroup();
    RefreshViews();
    return MS::kSuccess;
}

MStatus TorvaUndoWrapperII::redoIt() {
    UndoManagement::Instance().redoGroup();
    RefreshViews();
    return MS::kSuccess;
}

} // namespace vex::orb::adaptor::maya
