#pragma once

#include <maya/MNativeWindowHdl.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

class MDagPath;

/// A 3D view of the host. This host has one view, the active one; redraw requests are counted.
class M3dView {
public:
    M3dView() = default;

    /// The active view.
    static M3dView active3dView(MStatus* ReturnStatus = nullptr);
    /// Number of 3D views (one).
    static unsigned int numberOf3dViews();
    /// The native handle of the application's main window (0 when the host shows no window).
    static MNativeWindowHdl applicationShell(MStatus* ReturnStatus = nullptr);
    /// Asks every view to redraw at the next idle moment.
    static void scheduleRefreshAllViews();

    /// Redraws this view, or every view when `all` is set; `force` redraws even unchanged views.
    MStatus refresh(bool all = false, bool force = false);
    /// Asks this view to redraw at the next idle moment.
    MStatus scheduleRefresh();

    /// The path to the camera shape the view looks through; kFailure when that camera was deleted.
    MStatus getCamera(MDagPath& camera);
    /// Makes the view look through a camera (its transform or its shape); kInvalidParameter otherwise.
    MStatus setCamera(MDagPath& camera);
};
