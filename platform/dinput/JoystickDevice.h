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
///
/// A joystick pulled out loses the device's acquisition (DIERR_INPUTLOST). Acquiring the device again
/// finds the controller once it is plugged back in: the backend gives it a new id, so the device
/// takes over the first joystick of the same name, vendor, product and objects that nobody has
/// open. Until then Acquire answers DIERR_UNPLUGGED. Effects created before the loss stay with the
/// joystick that went.
class JoystickDevice : public RefCounted<IDirectInputDevice8A> {
public:
    /// Takes over one OpenJoystick of `joystick`, which has `layout`.
    JoystickDevice(DirectInput8Object& owner, Backend& backend, const JoystickDescription& joystick,
                   const JoystickLayout& layout);

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
    // Takes over the lost joystick's successor, if it is plugged in again. False when it is not.
    bool Reconnect();

    DirectInput8Object& owner_;
    Backend& backend_;
    JoystickDescription joystick_; // what the joystick is; its id changes when it is plugged in again
    JoystickLayout layout_;
    std::vector<JoystickObject> objects_;
    JoystickReading reading_;
    bool formatSet_ = false;
    bool acquired_ = false;
    bool lost_ = false;
    DWORD cooperation_ = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND;
};

} // namespace vex::platform::dinput
