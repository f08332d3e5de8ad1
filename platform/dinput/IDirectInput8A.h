#pragma once

#include "platform/dinput/IDirectInputDevice8A.h"
#include "platform/dinput/IUnknown.h"
#include "platform/dinput/Results.h"
#include "platform/dinput/Structures.h"

namespace vex::platform::dinput {

/// Called by EnumDevices for every device; returns DIENUM_CONTINUE or DIENUM_STOP.
using LPDIENUMDEVICESCALLBACKA = BOOL (*)(LPCDIDEVICEINSTANCEA instance, void* ref);

/// The entry to the game controllers of the machine.
class IDirectInput8A : public IUnknown {
public:
    /// Opens the device whose guidInstance is `instance`.
    virtual HRESULT CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device, LPUNKNOWN outer) = 0;
    /// Calls `callback` for every device of class `deviceClass` (DI8DEVCLASS_GAMECTRL or
    /// DI8DEVCLASS_ALL; the other classes have no devices here) with `ref`.
    virtual HRESULT EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, void* ref,
                                DWORD flags) = 0;

protected:
    ~IDirectInput8A() = default;
};

using LPDIRECTINPUT8A = IDirectInput8A*;

} // namespace vex::platform::dinput
