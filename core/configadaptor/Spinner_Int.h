#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A spinner editing a 32-bit int of the tool.
///
/// Profile form: <item id=".." label="..">decimal value</item>; "blob" items (a double, rounded to
/// the nearest int) are read too. Layout form: as Spinner, with decimals="0".
class Spinner_Int : public Node {
public:
    /// A spinner with parameter id `id` bound to `value` within [min, max] in steps of `step`.
    Spinner_Int(int32_t id, std::string label, std::string tooltip, int* value, int min, int max, int step,
                int32_t setting, CInterface::Callback* callback);

    void saveProfile(util::xml::Element& parent) const override;
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::kItem; }
    double getValue() const override;
    /// Rounds to the nearest int; NaN and values out of the int range are ignored.
    void setValue(double value) override;
    util::xml::Element buildLayout() const override;

    int* GetVariable() const { return value_; }
    int GetMin() const { return min_; }
    int GetMax() const { return max_; }
    int GetStep() const { return step_; }
    int32_t GetSetting() const { return setting_; }

private:
    int* value_;
    int min_;
    int max_;
    int step_;
    int32_t setting_;
};

} // namespace vex::orb::core::configadaptor::element
