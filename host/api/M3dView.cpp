#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Scene.h"
#include "host/scene/Views.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>

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

MStatus M3dView::getCamera(MDagPath& camera) {
    const auto node = vex::host::Scene::Instance().findNode(Views::get().CameraName());
    if (!node)
        return vex::host::convert::failure("the view's camera \"" + Views::get().CameraName() + "\" is gone");
    MDagPath path;
    MStatus status = MDagPath::getAPathTo(vex::host::ObjectAccess::wrap(node), path);
    if (status && !path.hasFn(MFn::kCamera)) status = path.extendToShape();
    if (status) camera = path;
    return status;
}

MStatus M3dView::setCamera(MDagPath& camera) {
    MDagPath shape = camera;
    if (!shape.hasFn(MFn::kCamera) && !shape.extendToShape()) return MStatus::kInvalidParameter;
    if (!shape.hasFn(MFn::kCamera)) return MStatus::kInvalidParameter;
    MDagPath transform = shape;
    transform.pop();
    Views::get().SetCameraName(transform.partialPathName().str());
    return MStatus::kSuccess;
}
