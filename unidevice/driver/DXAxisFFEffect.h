#pragma once

#include "platform/dinput/IDirectInputDevice8A.h"
#include "platform/dinput/IDirectInputEffect.h"
#include "platform/dinput/Structures.h"
#include "unidevice/EffectType.h"
#include "unidevice/FFEffect.h"

namespace vex::unidevice::driver {

/// A force-feedback effect played along one axis of a DirectInput game controller. Amounts are
/// fractions of full force (1 is 10000 device units), times are seconds (1 is 1 000 000 µs); every
/// change is sent to the device at once.
class DXAxisFFEffect : public FFEffect {
public:
    /// Creates an effect of `type` on `device` (not owned) along the axis at byte `axisOffset`: no
    /// envelope, full gain, without end, type-specific values 0 but a periodic period of 1 s. Check
    /// isCreated: an unknown type or a device that refuses leaves the effect unusable.
    DXAxisFFEffect(EffectType type, platform::dinput::IDirectInputDevice8A* device,
                   platform::dinput::DWORD axisOffset);
    /// Stops and releases the device's effect.
    ~DXAxisFFEffect() override;

    /// Acquires the device, then plays the effect `iterations` times.
    void startEffect(std::uint32_t iterations) override;
    void stopEffect() override;
    /// `seconds` ≤ 0 plays until stopped.
    void setDuration(double seconds) override;
    /// Sets the constant force, the ramp start and the periodic magnitude alike.
    void setMagnitude(double magnitude) override;
    void setOffset(double offset) override;
    /// The phase as a fraction of a turn, in device units of 39999 per turn.
    void setPhase(double phase) override;
    void setPeriod(double seconds) override;
    void setRampStart(double start) override;
    void setRampEnd(double end) override;
    void setEnvelope(double attackLevel, double attackTime, double fadeLevel, double fadeTime) override;
    void clearEnvelope() override;

    /// Whether the device created the effect.
    bool IsCreated() const { return created_; }
    EffectType GetType() const { return type_; }
    /// The parameters as last sent to the device.
    const platform::dinput::DIEFFECT& GetParameters() const { return parameters_; }

private:
    // Sends the parts of the parameters named by `flags` (DIEP_*).
    void send(platform::dinput::DWORD flags);

    platform::dinput::IDirectInputDevice8A* device_;
    platform::dinput::IDirectInputEffect* effect_ = nullptr;
    platform::dinput::DWORD axisOffset_;
    platform::dinput::DIEFFECT parameters_{};
    platform::dinput::LONG direction_ = 0;
    platform::dinput::DIENVELOPE envelope_{};
    platform::dinput::DICONSTANTFORCE constant_{};
    platform::dinput::DIRAMPFORCE ramp_{};
    platform::dinput::DIPERIODIC periodic_{};
    EffectType type_;
    bool created_ = false;
};

} // namespace vex::unidevice::driver
