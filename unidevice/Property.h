#pragma once

#include "unidevice/ControlTarget.h"
#include "unidevice/EffectType.h"
#include "unidevice/PropertyFactory.h"
#include "util/xml/Element.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vex::unidevice {

class FFEffect;

/// A tool's input channel: optionally bound to one control, it shapes the control's value into the
/// number the tool reads. The magnitude loses the dead zone, is scaled so that full deflection
/// stays 1, raised to the exponent, given back its sign, multiplied and offset.
///
/// A binding that could not be resolved when a profile was read is kept as its identity element
/// and written back unchanged, so a profile survives a run without its device.
class Property : public ControlTarget {
public:
    using Factory = PropertyFactory;

    /// A channel named `name` accepting the control kinds in `accepts`, unbound, with multiplier 1,
    /// exponent 1, dead zone 0.1 and offset 0.
    Property(std::string name, std::uint32_t accepts);
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    /// `control` goes away: the channel is unbound if it was bound to it, and every effect made
    /// through the channel is marked detached.
    void controlRemoved(Control* control) override;
    /// The shaped value; the offset when unbound.
    virtual double getValue() const;
    /// Deletes the channel.
    virtual void destroy() { delete this; }
    /// Unbinds the channel and destroys the effects made through it.
    ~Property() override;

    /// Binds the channel to `control` (null unbinds) and returns 65535 for null, otherwise the kinds
    /// the channel accepts AND the control's kind. The binding holds even when that is 0: callers
    /// use the result to reject or warn about an incompatible control.
    std::uint32_t SetControl(Control* control);
    /// The bound control, or null.
    Control* getControl() const { return control_; }

    /// A new effect on the bound control's actuator, kept and owned by the channel; null when
    /// unbound or the control has no actuator.
    FFEffect* createEffect(EffectType type);
    /// The effects made through the channel, in order of creation.
    const std::vector<FFEffect*>& GetEffects() const { return effects_; }

    /// Writes the channel's "property" element into `element`: attribute "name", text children
    /// "multiplier", "exponent", "deadzone" and "offset" (default stream formatting, six significant
    /// digits), then a "control" child holding the bound control's identity element, or else the
    /// unresolved binding when there is one. Returns `element`.
    util::xml::Element& toXml(util::xml::Element& element) const;
    /// Reads a "property" element: each of the four values whose child is present and a number
    /// (others stay unchanged), then the binding from the first "control" child. An absent or empty
    /// one unbinds the channel; one the registry finds is bound; one it does not find leaves the
    /// channel unbound and is kept as the unresolved binding. Returns false in that last case.
    bool FromXml(const util::xml::Element& element);

    /// The identity element of a stored control that could not be found (empty when none).
    const util::xml::Element& GetUnresolvedBinding() const { return unresolved_; }
    void SetUnresolvedBinding(const util::xml::Element& binding) { unresolved_ = binding; }

    /// The channel name, unique within its handler.
    const std::string& getName() const { return name_; }
    /// The mask of control kinds the channel accepts.
    std::uint32_t GetAccepts() const { return accepts_; }
    double GetMultiplier() const { return multiplier_; }
    void SetMultiplier(double multiplier) { multiplier_ = multiplier; }
    double GetExponent() const { return exponent_; }
    void SetExponent(double exponent) { exponent_ = exponent; }
    /// Dead zone on the magnitude, in control units; must stay below 1.
    double GetDeadzone() const { return deadzone_; }
    void SetDeadzone(double deadzone) { deadzone_ = deadzone; }
    double GetOffset() const { return offset_; }
    void setOffset(double offset) { offset_ = offset; }

private:
    std::vector<FFEffect*> effects_;
    Control* control_ = nullptr;
    std::string name_;
    std::uint32_t accepts_;
    double multiplier_ = 1.0;
    double exponent_ = 1.0;
    double deadzone_ = 0.1;
    double offset_ = 0.0;
    /// The last point of the response curve: pow(base, exponent) = shaped.
    struct CurvePoint {
        double base = 0.0;
        double exponent = 1.0;
        double shaped = 0.0;
    };
    mutable CurvePoint curve_;
    util::xml::Element unresolved_;
};

} // namespace vex::unidevice
