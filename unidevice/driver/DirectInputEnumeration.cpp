#include "unidevice/driver/DirectInputEnumeration.h"

#include "platform/dinput/DirectInput.h"
#include "platform/dinput/Flags.h"
#include "unidevice/driver/DXJoystickDevice.h"

namespace vex::unidevice::driver {

using namespace platform::dinput;

namespace {

constexpr DWORD kLogitechVendor = 0x046D;
constexpr WORD kGenericDesktopPage = 1;
constexpr WORD kMultiAxisController = 8;

// Builds a controller for every device but the 3D mice; `window` is the window handle.
BOOL AddController(LPCDIDEVICEINSTANCEA instance, void* window) {
    const bool mouse3D = (instance->guidProduct.Data1 & 0xFFFF) == kLogitechVendor &&
                         instance->wUsagePage == kGenericDesktopPage &&
                         instance->wUsage == kMultiAxisController;
    // The registry owns the device from its construction on.
    if (!mouse3D) new DXJoystickDevice(*instance, static_cast<platform::win32::HWND>(window));
    return DIENUM_CONTINUE;
}

} // namespace

bool EnumerateGameControllers(platform::win32::HINSTANCE module, platform::win32::HWND window) {
    if (DXJoystickDevice::GetDirectInput() != nullptr) return false;
    void* created = nullptr;
    if (FAILED(DirectInput8Create(module, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr)))
        return false;
    auto* directInput = static_cast<IDirectInput8A*>(created);
    DXJoystickDevice::SetDirectInput(directInput);

    const int before = DXJoystickDevice::GetLiveCount();
    directInput->EnumDevices(DI8DEVCLASS_GAMECTRL, &AddController, window, DIEDFL_ATTACHEDONLY);
    if (DXJoystickDevice::GetLiveCount() > before) return true;
    directInput->Release();
    DXJoystickDevice::SetDirectInput(nullptr);
    return false;
}

} // namespace vex::unidevice::driver
