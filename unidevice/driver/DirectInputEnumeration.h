#pragma once

#include "platform/win32/Window.h"

namespace vex::unidevice::driver {

/// Start-up of the game controllers: creates the process-wide DirectInput object for `module` and
/// builds a DXJoystickDevice for every attached game controller, passing `window` on, except the 3D
/// mice (vendor 0x046D with HID usage page 1, usage 8), which have their own device. When no
/// controller was built, or DirectInput cannot start, DirectInput is released again and there are
/// no controllers. Returns whether a controller was built; a second call while controllers exist
/// does nothing and returns false.
bool EnumerateGameControllers(platform::win32::HINSTANCE module, platform::win32::HWND window);

} // namespace vex::unidevice::driver
