#pragma once

#include "platform/dinput/IDirectInputDevice8A.h"
#include "unidevice/Control.h"

namespace vex::unidevice::driver {

/// An axis (X, Y, Z, Rx, Ry or Rz) of a DirectInput game controller. An axis with a force-feedback
/// actuator creates effects that push along it.
class DXAxisControl : public Control {
public:
    /// A finite control of `device` (threshold 0.1) reading the axis at byte `axisOffset` of the
    /// joystick state (0 X, 4 Y, ... 20 Rz) of `inputDevice` (not owned).
    DXAxisControl(Device* device, platform::dinput::IDirectInputDevice8A* inputDevice,
                  platform::dinput::DWORD axisOffset, bool actuator);

    /// Whether the axis has a force-feedback actuator.
    bool isForceFeedbackCapable() const override { return actuator_; }
    /// A new effect of `type` along the axis, owned by the caller; null when the axis has no
    /// actuator, the type is unknown or the device refuses the effect.
    FFEffect* createEffect(EffectType type) override;

    /// Byte offset of the axis in the joystick state, which effects name their axis by.
    platform::dinput::DWORD GetAxisOffset() const { return axisOffset_; }

private:
    bool actuator_;
    platform::dinput::IDirectInputDevice8A* inputDevice_;
    platform::dinput::DWORD axisOffset_;
};

} // namespace vex::unidevice::driver
