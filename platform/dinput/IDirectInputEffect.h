#pragma once

#include "platform/dinput/IUnknown.h"
#include "platform/dinput/Results.h"
#include "platform/dinput/Structures.h"

namespace vex::platform::dinput {

/// A force-feedback effect created on a device, played on its actuators.
class IDirectInputEffect : public IUnknown {
public:
    /// Takes the parts of `effect` named by the DIEP_* bits in `flags` and sends them to the device;
    /// with DIEP_START the effect also (re)starts.
    virtual HRESULT SetParameters(LPCDIEFFECT effect, DWORD flags) = 0;
    /// Plays the effect `iterations` times (INFINITE: until stopped). The device must be acquired.
    virtual HRESULT Start(DWORD iterations, DWORD flags) = 0;
    /// Stops playing.
    virtual HRESULT Stop() = 0;

protected:
    ~IDirectInputEffect() = default;
};

using LPDIRECTINPUTEFFECT = IDirectInputEffect*;

} // namespace vex::platform::dinput
