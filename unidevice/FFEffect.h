#pragma once

#include <cstdint>

namespace vex::unidevice {

/// A force-feedback effect played on a control's actuator. Amounts are fractions of full force,
/// times are seconds. An effect stays attached until the control it plays on goes away; tools stop
/// driving a detached effect.
class FFEffect {
public:
    FFEffect() = default;
    FFEffect(const FFEffect&) = delete;
    FFEffect& operator=(const FFEffect&) = delete;

    /// Starts playing, `iterations` times.
    virtual void startEffect(std::uint32_t iterations) = 0;
    /// Stops playing.
    virtual void stopEffect() = 0;
    /// Play time; 0 or less plays until stopped.
    virtual void setDuration(double seconds) = 0;
    /// Strength of a constant force, the start of a ramp, the magnitude of a periodic force.
    virtual void setMagnitude(double magnitude) = 0;
    /// Offset of a periodic force.
    virtual void setOffset(double offset) = 0;
    /// Phase of a periodic force, as a fraction of the period.
    virtual void setPhase(double phase) = 0;
    /// Period of a periodic force.
    virtual void setPeriod(double seconds) = 0;
    /// Start and end strength of a ramp.
    virtual void setRampStart(double start) = 0;
    virtual void setRampEnd(double end) = 0;
    /// Fades the effect in and out.
    virtual void setEnvelope(double attackLevel, double attackTime, double fadeLevel, double fadeTime) = 0;
    /// Removes the envelope.
    virtual void clearEnvelope() = 0;
    /// Deletes the effect.
    virtual void destroy() { delete this; }
    virtual ~FFEffect() = default;

    /// Whether the control the effect plays on still exists.
    bool IsAttached() const { return attached_; }
    /// Marks the effect detached (or attached again).
    void SetAttached(bool attached) { attached_ = attached; }

private:
    bool attached_ = true;
};

} // namespace vex::unidevice
