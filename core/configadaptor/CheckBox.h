#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A check box editing a bool of the tool.
///
/// Profile form: <item id=".." label="..">1 or 0</item>; only items without "type" or with "type"
/// "generic" are read ("true"/"false" are accepted too). Layout form: a row holding
/// <checkbox id fixed="no" minheight="20" minwidth="20" [tooltip] label defaultstate="true|false"/>.
class CheckBox : public Node {
public:
    /// A check box with parameter id `id` bound to `value`.
    CheckBox(int32_t id, std::string label, std::string tooltip, bool* value, CInterface::Callback* callback);

    void saveProfile(util::xml::Element& parent) const override;
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::kItem; }
    double getValue() const override;
    /// Any value other than 0 checks the box.
    void setValue(double value) override;
    util::xml::Element buildLayout() const override;

    bool* GetVariable() const { return value_; }

private:
    bool* value_;
};

} // namespace vex::orb::core::configadaptor::element
