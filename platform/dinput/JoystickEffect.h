#pragma once

#include "platform/dinput/Backend.h"
#include "platform/dinput/IDirectInputEffect.h"
#include "platform/dinput/RefCounted.h"

#include <vector>

namespace vex::platform::dinput {

class JoystickDevice;

/// A force-feedback effect of a joystick device. It keeps its own copy of the parameters it was
/// given and sends the effect to the backend as soon as they are complete; it holds a reference to
/// its device.
class JoystickEffect : public RefCounted<IDirectInputEffect> {
public:
    /// An effect of `effectType` on the backend's joystick `id`, not yet sent.
    JoystickEffect(JoystickDevice& device, Backend& backend, int id, REFGUID effectType);

    HRESULT SetParameters(LPCDIEFFECT effect, DWORD flags) override;
    HRESULT Start(DWORD iterations, DWORD flags) override;
    HRESULT Stop() override;

protected:
    ~JoystickEffect() override;

private:
    JoystickDevice& device_;
    Backend& backend_;
    int id_;
    GUID type_;
    int handle_ = -1; // the backend's effect, once sent
    DIEFFECT parameters_{};
    std::vector<DWORD> axes_;
    std::vector<LONG> directions_;
    DIENVELOPE envelope_{};
    bool hasEnvelope_ = false;
    std::vector<unsigned char> typeSpecific_;
};

} // namespace vex::platform::dinput
