#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Spinner.h"
#include "util/AbstractFactory.h"

namespace vex::gui::component {

/// A `spinner`: `defaultvalue`, `min`, `max`, `step`, `decimals` and `triggerlength` (kept for the
/// window: how long an up/down press lasts before it repeats, in milliseconds).
class Spinner : public StdComponent, public componentinterface::Spinner {
public:
    double GetDefaultValue() const { return defaultValue_; }
    double GetMinimum() const { return minimum_; }
    double GetMaximum() const { return maximum_; }
    double GetStep() const { return step_; }
    int GetDecimals() const { return decimals_; }
    int GetTriggerLength() const { return triggerLength_; }

    /// Makes spinners from `spinner` elements.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "spinner"; }
        Component* create(const util::xml::Element& element) override;
    };

protected:
    void LoadOwn(const util::xml::Element& element) override;

    // Without attributes: 0 to 100 in steps of 1, two decimals.
    double defaultValue_ = 0.0;
    double minimum_ = 0.0;
    double maximum_ = 100.0;
    double step_ = 1.0;
    int decimals_ = 2;
    int triggerLength_ = -1;
};

} // namespace vex::gui::component
