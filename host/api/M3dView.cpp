#include "host/scene/Views.h"

#include <maya/M3dView.h>

using vex::host::Views;

M3dView M3dView::active3dView(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return M3dView();
}

unsigned int M3dView::numberOf3dViews() {
    return 1;
}

MNativeWindowHdl M3dView::applicationShell(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return Views::get().applicationShell();
}

// Scheduled redraws happen at once: the host has no idle queue of its own.
void M3dView::scheduleRefreshAllViews() {
    Views::get().refresh(true, false);
}

MStatus M3dView::refresh(bool all, bool force) {
    Views::get().refresh(all, force);
    return MStatus::kSuccess;
}

MStatus M3dView::scheduleRefresh() {
    Views::get().refresh(false, false);
    return MStatus::kSuccess;
}
