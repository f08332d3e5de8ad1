#pragma once

#include "unidevice/Driver.h"

namespace vex::unidevice {

/// The driver "windriver", which polls the devices that read a window's messages (the 3D mouse). The
/// core gives it its main window when real-time input starts; it passes that window to every
/// device call.
class WinDriver : public Driver {
public:
    /// Registers the driver, without a window yet.
    WinDriver() : Driver("windriver") {}

    /// The window passed to device calls.
    HWND GetWindow() const override { return window_; }
    /// Sets the window passed to device calls from now on.
    void SetWindow(HWND window) { window_ = window; }

private:
    HWND window_ = nullptr;
};

} // namespace vex::unidevice
