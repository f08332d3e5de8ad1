#include "platform/dinput/DirectInput8Object.h"

#include "platform/dinput/Flags.h"
#include "platform/dinput/JoystickDevice.h"

#include <cstdio>
#include <cstring>

namespace vex::platform::dinput {

namespace {

// Marks the instance identifiers this layer makes; Data1 holds the backend's joystick id.
constexpr BYTE kInstanceMark[8] = {'S', 'D', 'L', 'J', 'O', 'Y', 'I', 'D'};

// USB vendor ids under which 3Dconnexion sells its 3D mice; Logitech's are its product ids 0xC6xx.
constexpr WORD kLogitech = 0x046D;
constexpr WORD k3Dconnexion = 0x256F;

bool Is3DMouse(const JoystickDescription& joystick) {
    return joystick.vendor == k3Dconnexion ||
           (joystick.vendor == kLogitech && (joystick.product & 0xFF00) == 0xC600);
}

} // namespace

GUID DirectInput8Object::MakeInstanceGuid(int id) {
    GUID guid{static_cast<DWORD>(id), 0, 0, {}};
    std::memcpy(guid.Data4, kInstanceMark, sizeof(kInstanceMark));
    return guid;
}

int DirectInput8Object::GetJoystickId(REFGUID instance) {
    if (std::memcmp(instance.Data4, kInstanceMark, sizeof(kInstanceMark)) != 0) return -1;
    return static_cast<int>(instance.Data1);
}

DIDEVICEINSTANCEA DirectInput8Object::Describe(const JoystickDescription& joystick) {
    DIDEVICEINSTANCEA instance;
    std::memset(&instance, 0, sizeof(instance));
    instance.dwSize = sizeof(instance);
    instance.guidInstance = MakeInstanceGuid(joystick.id);
    // DirectInput's product identifier: vendor and product id, then "PIDVID".
    instance.guidProduct = {static_cast<DWORD>(joystick.vendor) |
                                (static_cast<DWORD>(joystick.product) << 16),
                            0,
                            0,
                            {0, 0, 'P', 'I', 'D', 'V', 'I', 'D'}};
    instance.dwDevType = joystick.gamepad ? DI8DEVTYPE_GAMEPAD : DI8DEVTYPE_JOYSTICK;
    std::snprintf(instance.tszInstanceName, sizeof(instance.tszInstanceName), "%s", joystick.name.c_str());
    std::snprintf(instance.tszProductName, sizeof(instance.tszProductName), "%s", joystick.name.c_str());
    // HID usage page 1 (generic desktop): multi-axis controller 8, gamepad 5, joystick 4.
    instance.wUsagePage = 1;
    instance.wUsage = Is3DMouse(joystick) ? 8 : joystick.gamepad ? 5 : 4;
    return instance;
}

HRESULT DirectInput8Object::CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device, LPUNKNOWN outer) {
    if (device == nullptr) return DIERR_INVALIDPARAM;
    *device = nullptr;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    const int id = GetJoystickId(instance);
    for (const JoystickDescription& joystick : backend_.ListJoysticks()) {
        JoystickLayout layout;
        if (joystick.id != id || !backend_.OpenJoystick(id, layout)) continue;
        *device = new JoystickDevice(*this, backend_, joystick, layout);
        return DI_OK;
    }
    return DIERR_DEVICENOTREG;
}

HRESULT DirectInput8Object::EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKA callback, void* ref,
                                        DWORD flags) {
    if (callback == nullptr) return DIERR_INVALIDPARAM;
    // Only game controllers exist here; the keyboard and the mice are read elsewhere.
    if (deviceClass != DI8DEVCLASS_ALL && deviceClass != DI8DEVCLASS_GAMECTRL) return DI_OK;
    for (const JoystickDescription& joystick : backend_.ListJoysticks()) {
        if ((flags & DIEDFL_FORCEFEEDBACK) != 0) {
            JoystickLayout layout;
            if (!backend_.OpenJoystick(joystick.id, layout)) continue;
            backend_.CloseJoystick(joystick.id);
            if (layout.hapticAxes == 0) continue;
        }
        const DIDEVICEINSTANCEA instance = Describe(joystick);
        if (callback(&instance, ref) == DIENUM_STOP) break;
    }
    return DI_OK;
}

} // namespace vex::platform::dinput
