#pragma once

#include "unidevice/Control.h"
#include "unidevice/ControlTarget.h"

#include <utility>

namespace vex::unidevice {

/// A trinary control made of two others, typically two keys: its value is the positive source's
/// minus the negative source's, so -1, 0 or +1 for two keys (0 when both or neither are held). Its
/// identity element is that of an ordinary control of the "TrinaryEmulator" device with the two
/// sources' identity elements nested in it, each marked with "te_direction" ("positive" first):
///
///     <control device="TrinaryEmulator" type="control" index="0">
///         <description>emulated control (Keyboard:I, Keyboard:K)</description>
///         <control device="Keyboard" type="I" index="0" te_direction="positive">...</control>
///         <control device="Keyboard" type="K" index="0" te_direction="negative">...</control>
///     </control>
class EmulatedTControl : public Control, public ControlTarget {
public:
    /// A control of `device` built from `positive` and `negative` (both non-null), which it watches
    /// so that it forgets a source that goes away. Type "control", index 0, threshold 0.1, and the
    /// description "emulated control (P, N)" naming both sources.
    EmulatedTControl(Device* device, Control* positive, Control* negative);
    EmulatedTControl(const EmulatedTControl&) = delete;
    /// Stops watching its sources.
    ~EmulatedTControl() override;

    /// The base identity element with the nested source elements (a source that is gone is left out).
    util::xml::Element& toXml(util::xml::Element& element) const override;
    /// Whether `element` denotes this control: the base identity matches and its nested sources,
    /// taken in either order by their "te_direction", denote this control's sources.
    bool matches(const util::xml::Element& element) const override;
    /// positive - negative, or 0 when either source is gone.
    double getValue() const override;
    /// Forgets `control` when it is one of the sources.
    void controlRemoved(Control* control) override;

    Control* GetPositive() const { return positive_; }
    Control* GetNegative() const { return negative_; }

    /// The positive and negative source elements nested in an emulated control's identity element,
    /// in that order whichever comes first; a missing one is null.
    static std::pair<const util::xml::Element*, const util::xml::Element*>
    SourceElements(const util::xml::Element& element);

private:
    Control* positive_;
    Control* negative_;
};

} // namespace vex::unidevice
