#pragma once

#include "platform/dinput/IDirectInputEffect.h"
#include "platform/dinput/IUnknown.h"
#include "platform/dinput/Results.h"
#include "platform/dinput/Structures.h"
#include "platform/win32/Window.h"

namespace vex::platform::dinput {

using win32::BOOL;
using win32::HWND;

/// Called by EnumObjects for every object; returns DIENUM_CONTINUE or DIENUM_STOP.
using LPDIENUMDEVICEOBJECTSCALLBACKA = BOOL (*)(LPCDIDEVICEOBJECTINSTANCEA object, void* ref);

/// One game controller: its objects, its state and its force-feedback effects.
class IDirectInputDevice8A : public IUnknown {
public:
    /// Sets the layout GetDeviceState fills; only c_dfDIJoystick2 is offered. Not while acquired.
    virtual HRESULT SetDataFormat(LPCDIDATAFORMAT format) = 0;
    /// Sets how the device is shared: one of DISCL_EXCLUSIVE/DISCL_NONEXCLUSIVE and one of
    /// DISCL_FOREGROUND/DISCL_BACKGROUND.
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    /// Calls `callback` for every object whose type matches `flags` (DIDFT_ALL: every object):
    /// axes, then sliders, then POV hats, then buttons.
    virtual HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref, DWORD flags) = 0;
    /// Reads a property (DIPROP_RANGE of an axis or slider).
    virtual HRESULT GetProperty(REFGUID property, LPDIPROPHEADER header) = 0;
    /// Sets a property (DIPROP_RANGE of one axis or slider, or of all with DIPH_DEVICE).
    virtual HRESULT SetProperty(REFGUID property, LPCDIPROPHEADER header) = 0;
    /// Begins reading the device; needs a data format.
    virtual HRESULT Acquire() = 0;
    /// Ends reading the device.
    virtual HRESULT Unacquire() = 0;
    /// Fetches the device's newest state.
    virtual HRESULT Poll() = 0;
    /// Copies the state of the last poll into `data` (a DIJOYSTATE2 of `size` bytes).
    /// DIERR_INPUTLOST when the device went away (it is then no longer acquired), DIERR_NOTACQUIRED
    /// when it is not acquired.
    virtual HRESULT GetDeviceState(DWORD size, void* data) = 0;
    /// Creates an effect of type `effectType` with the parameters of `parameters`.
    virtual HRESULT CreateEffect(REFGUID effectType, LPCDIEFFECT parameters, LPDIRECTINPUTEFFECT* effect,
                                 LPUNKNOWN outer) = 0;

protected:
    ~IDirectInputDevice8A() = default;
};

using LPDIRECTINPUTDEVICE8A = IDirectInputDevice8A*;

} // namespace vex::platform::dinput
