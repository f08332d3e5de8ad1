#pragma once

#include "unidevice/EffectType.h"
#include "util/xml/Element.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vex::unidevice {

class ControlTarget;
class Device;
class FFEffect;

/// One input of a device: a button, an axis, a half of a hat, a key. Every poll gives it a new value
/// and keeps the one before, so that a move can be detected. A control is found again from one run to
/// the next through its identity element:
///
///     <control device="name" devindex="1" type="Axis" index="1"><description>...</description></control>
///
/// where "device" and "devindex" are left out for a control without a device, and "devindex" is left
/// out when it is 0.
class Control {
public:
    /// A control of `device` (may be null) of the given kind, changed when it moves by more than
    /// `threshold`. Values and index start at 0, type and description empty.
    Control(Device* device, std::uint32_t kind, double threshold);
    /// Copies everything but the targets: the copy has none.
    Control(const Control& other);
    Control& operator=(const Control&) = delete;

    /// Writes the identity element into `element` (named "control") and returns it.
    virtual util::xml::Element& toXml(util::xml::Element& element) const;
    /// Whether `element` is an identity element denoting this control: the device part matches (for a
    /// control with a device), "type" equals the type, and "index" is an integer equal to the index.
    virtual bool matches(const util::xml::Element& element) const;
    /// The value of the last poll.
    virtual double getValue() const { return current_; }
    /// Deletes the control.
    virtual void destroy() { delete this; }
    /// Whether the control can play force-feedback effects.
    virtual bool isForceFeedbackCapable() const { return false; }
    /// A new effect on the control's actuator, or null when it has none. The caller owns the effect.
    virtual FFEffect* createEffect(EffectType type);
    /// Tells every target that the control goes away.
    virtual ~Control();

    /// Stores the value of a new poll: the last value becomes the previous one.
    void setValue(double value);
    /// Whether the last poll moved the control by more than the threshold.
    bool HasChanged() const { return GetChange() > threshold_; }
    /// How far the last poll moved the control: |current - previous|.
    double GetChange() const;

    /// Binds `target` to the control (appended to its targets); not owned.
    void AddTarget(ControlTarget* target);
    /// Unbinds the first occurrence of `target`; false when it was not bound.
    bool RemoveTarget(ControlTarget* target);
    const std::vector<ControlTarget*>& GetTargets() const { return targets_; }

    std::uint32_t GetKind() const { return kind_; }
    double GetPrevious() const { return previous_; }
    double GetCurrent() const { return current_; }
    double GetThreshold() const { return threshold_; }
    /// Class of control within its device: "Axis", "Slider", "Hat", "Button", ...
    const std::string& GetType() const { return type_; }
    void SetType(std::string type) { type_ = std::move(type); }
    /// Number of the control within its type on its device.
    int GetIndex() const { return index_; }
    void SetIndex(int index) { index_ = index; }
    /// Name shown to the user.
    const std::string& getDescription() const { return description_; }
    void SetDescription(std::string description) { description_ = std::move(description); }
    /// The owning device, or null for a free control.
    Device* getDevice() const { return device_; }

private:
    std::vector<ControlTarget*> targets_;
    std::uint32_t kind_;
    double previous_ = 0.0;
    double current_ = 0.0;
    double threshold_;
    std::string type_;
    int index_ = 0;
    std::string description_;
    Device* device_;
};

} // namespace vex::unidevice
