#pragma once

#include <string>

namespace vex::host {

/// The state of the host's 3D views as the API reports it: how often they were asked to redraw and the
/// native handle of the application's main window (set by the host program that shows one; 0 when
/// the host runs without a window).
class Views {
public:
    /// The one view state of the process.
    static Views& get();

    /// Counts one redraw request (`all`: every view, else the active one; `force`: even unchanged views).
    void refresh(bool all, bool force);
    /// Redraw requests so far, and those that asked for every view or were forced.
    unsigned long RefreshCount() const { return refreshes_; }
    unsigned long AllViewsRefreshCount() const { return allRefreshes_; }
    unsigned long ForcedRefreshCount() const { return forcedRefreshes_; }

    /// The native main-window handle, a window-system id (0 when there is none).
    unsigned long applicationShell() const { return shell_; }
    void SetApplicationShell(unsigned long shell) { shell_ = shell; }

    /// The name of the camera the active view looks through ("persp" until a view is set to another).
    const std::string& CameraName() const { return camera_; }
    void SetCameraName(std::string camera) { camera_ = std::move(camera); }

private:
    unsigned long refreshes_ = 0;
    unsigned long allRefreshes_ = 0;
    unsigned long forcedRefreshes_ = 0;
    unsigned long shell_ = 0;
    std::string camera_ = "persp";
};

} // namespace vex::host
