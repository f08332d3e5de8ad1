#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A spinner editing a double of the tool.
///
/// Profile form: <item id=".." type="blob" label="..">Base64 of the 8 little-endian bytes</item>;
/// "generic" items holding a decimal number are read too.
/// Layout form: a row (<list type="horizontal"><label>label</label> control</list>) whose control is
/// <spinner id fixed="no" minheight="20" minwidth="70" [tooltip] min max step triggerlength
/// defaultvalue/>; triggerlength is the setting the tool passed with the spinner.
class Spinner : public Node {
public:
    /// A spinner with parameter id `id` bound to `value` within [min, max] in steps of `step`.
    Spinner(int32_t id, std::string label, std::string tooltip, double* value, double min, double max,
            double step, int32_t setting, CInterface::Callback* callback);

    void saveProfile(util::xml::Element& parent) const override;
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::kItem; }
    double getValue() const override;
    void setValue(double value) override;
    util::xml::Element buildLayout() const override;

    double* GetVariable() const { return value_; }
    double GetMin() const { return min_; }
    double GetMax() const { return max_; }
    double GetStep() const { return step_; }
    int32_t GetSetting() const { return setting_; }

private:
    double* value_;
    double min_;
    double max_;
    double step_;
    int32_t setting_;
};

} // namespace vex::orb::core::configadaptor::element
