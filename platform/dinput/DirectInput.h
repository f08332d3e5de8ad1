#pragma once

// Creating the DirectInput object, and the one data format the devices offer.

#include "platform/dinput/IDirectInput8A.h"
#include "platform/win32/Window.h"

namespace vex::platform::dinput {

using win32::HINSTANCE;

/// The joystick layout: GetDeviceState fills a DIJOYSTATE2.
extern const DIDATAFORMAT c_dfDIJoystick2;

/// Creates the DirectInput object (IID_IDirectInput8A, version DIRECTINPUT_VERSION) into `*out`,
/// starting the joystick and force-feedback service on first use. Fails, with `*out` null, when the
/// service cannot start; then there are no controllers.
HRESULT DirectInput8Create(HINSTANCE instance, DWORD version, REFIID interfaceId, void** out,
                           LPUNKNOWN outer);

} // namespace vex::platform::dinput
