#include "unidevice/driver/DXAxisControl.h"

#include "unidevice/ControlKind.h"
#include "unidevice/driver/DXAxisFFEffect.h"

namespace vex::unidevice::driver {

DXAxisControl::DXAxisControl(Device* device, platform::dinput::IDirectInputDevice8A* inputDevice,
                             platform::dinput::DWORD axisOffset, bool actuator)
    : Control(device, kFiniteControl, 0.1), actuator_(actuator), inputDevice_(inputDevice),
      axisOffset_(axisOffset) {}

FFEffect* DXAxisControl::createEffect(EffectType type) {
    if (!isForceFeedbackCapable()) return nullptr;
    auto* effect = new DXAxisFFEffect(type, inputDevice_, axisOffset_);
    if (effect->IsCreated()) return effect;
    effect->destroy();
    return nullptr;
}

} // namespace vex::unidevice::driver
