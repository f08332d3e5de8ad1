#pragma once

#include "platform/dinput/Backend.h"
#include "platform/dinput/Flags.h"
#include "platform/dinput/IDirectInputDevice8A.h"
#include "platform/dinput/JoystickObjects.h"
#include "platform/dinput/RefCounted.h"

#include <vector>

namespace vex::platform::dinput {

class DirectInput8Object;

/// A DirectInput device over one open joystick of the backend. It holds a reference to the
/// DirectInput object that opened it, and every effect it creates holds one to it.
class JoystickDevice : public RefCounted<IDirectInputDevice8A> {
public:
    /// Takes over one OpenJoystick of joystick `id`, which has `layout`.
    JoystickDevice(DirectInput8Object& owner, Backend& backend, int id, const JoystickLayout& layout);

    HRESULT SetDataFormat(LPCDIDATAFORMAT format) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref, DWORD flags) override;
    HRESULT GetProperty(REFGUID property, LPDIPROPHEADER header) override;
    HRESULT SetProperty(REFGUID property, LPCDIPROPHEADER header) override;
    HRESULT Acquire() override;
    HRESULT Unacquire() override;
    HRESULT Poll() override;
    HRESULT GetDeviceState(DWORD size, void* data) override;
    HRESULT CreateEffect(REFGUID effectType, LPCDIEFFECT parameters, LPDIRECTINPUTEFFECT* effect,
                         LPUNKNOWN outer) override;

    /// Whether effects may play: acquired with an exclusive cooperative level.
    bool IsExclusivelyAcquired() const;

protected:
    ~JoystickDevice() override;

private:
    // The axes and sliders a property header names; empty when it names none.
    std::vector<JoystickObject*> FindAxes(const DIPROPHEADER& header, HRESULT& failure);
    // Reads the backend's last state; on failure the device is lost and no longer acquired.
    HRESULT Read();

    DirectInput8Object& owner_;
    Backend& backend_;
    int id_;
    JoystickLayout layout_;
    std::vector<JoystickObject> objects_;
    JoystickReading reading_;
    bool formatSet_ = false;
    bool acquired_ = false;
    DWORD cooperation_ = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND;
};

} // namespace vex::platform::dinput
