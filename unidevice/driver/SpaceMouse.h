#pragma once

#include "platform/spaceware/SpaceWare.h"
#include "platform/win32/WindowProcedures.h"
#include "unidevice/Control.h"
#include "unidevice/Device.h"

#include <deque>
#include <string>

namespace vex::unidevice::driver {

/// A 3D mouse read through SpaceWare: six axes (X, Y, Z translation, X, Y, Z rotation; finite,
/// -1..1) then one binary control per button ("Button 1" first, as SpaceWare numbers them). The device's
/// events arrive as messages to a window it subclasses while started: the window of "windriver", or its own
/// hidden window when that driver has none.
class SpaceMouse : public Device {
public:
    /// Connects to SpaceWare and creates the device, attached to "windriver"; null when SpaceWare
    /// cannot be initialised or the device cannot be read. Each failure is reported in a message box,
    /// except a machine without any 3D-mouse driver: that goes to the log, once per process.
    static SpaceMouse* Create(platform::win32::HINSTANCE module);
    /// Lets the next Create that finds no 3D-mouse driver log it again (for tests, which start the
    /// device layer many times in one process).
    static void ForgetLoggedAbsence();
    /// Stops the device, closes its window and ends the SpaceWare connection.
    ~SpaceMouse() override;

    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    Control* getControl(int index) override;
    /// Delivers the device's pending events to the subclassed window (on this platform no message
    /// loop does it). True.
    bool update(HWND window) override;
    /// Restarts the device, activates and focuses its window and brings the controls to rest. True.
    bool resync(HWND window) override;
    Control* detectChange(std::span<Control* const> exclude, HWND window) override;
    void clearValues() override;
    /// Ends a previous start, opens the device for `window` (its own window when null) and
    /// subclasses that window. False when the device cannot be opened or the window not subclassed.
    bool start(HWND window) override;
    /// Closes the device and gives the window its former procedure back. True.
    bool stop(HWND window) override;

    /// Handles one message of the subclassed window: a device event sets the controls; every message
    /// then goes on to the window's former procedure.
    platform::win32::LRESULT HandleMessage(platform::win32::UINT message, platform::win32::WPARAM wParam,
                                           platform::win32::LPARAM lParam);
    /// The window the device delivers to while started, or null.
    HWND GetSubclassedWindow() const { return subclassed_; }
    /// The device's own hidden window.
    HWND GetOwnWindow() const { return ownWindow_; }
    /// Tick count (milliseconds) of the last motion event taken.
    platform::win32::DWORD GetLastMotionTick() const { return lastMotionTick_; }

private:
    SpaceMouse(const std::string& name, int buttons, HWND ownWindow);

    HWND ownWindow_;
    HWND subclassed_ = nullptr;
    platform::win32::LONG_PTR formerProcedure_ = 0;
    platform::spaceware::SiHdl handle_ = nullptr;
    platform::win32::DWORD lastMotionTick_ = 0;
    std::deque<Control> controls_; // six axes, then the buttons
};

} // namespace vex::unidevice::driver
