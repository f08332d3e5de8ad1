#pragma once

#include "platform/dinput/Backend.h"
#include "platform/dinput/IDirectInput8A.h"
#include "platform/dinput/RefCounted.h"

namespace vex::platform::dinput {

/// The DirectInput object over a joystick service that was started for it. Every device it opens
/// holds a reference to it; the service stops when the last reference goes.
class DirectInput8Object : public RefCounted<IDirectInput8A> {
public:
    /// Takes over one started Init of `backend`.
    explicit DirectInput8Object(Backend& backend) : backend_(backend) {}

    HRESULT CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device, LPUNKNOWN outer) override;
    HRESULT EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, void* ref,
                        DWORD flags) override;

    /// The guidInstance of the backend's joystick `id`, and back (-1 for one not made here).
    static GUID MakeInstanceGuid(int id);
    static int GetJoystickId(REFGUID instance);
    /// The device instance EnumDevices reports for a joystick.
    static DIDEVICEINSTANCEA Describe(const JoystickDescription& joystick);

protected:
    ~DirectInput8Object() override { backend_.Quit(); }

private:
    Backend& backend_;
};

} // namespace vex::platform::dinput
