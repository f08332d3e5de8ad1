#pragma once

#include "core/configadaptor/Node.h"

namespace vex::orb::core::configadaptor::element {

/// A text box editing a string of the tool.
///
/// Profile form: <item id=".." type="text" label="..">the text</item> (empty: no text). Layout form:
/// a row holding <textbox id fixed="no" minheight="20" minwidth="120" [tooltip] defaulttext/>.
class TextBox : public Node {
public:
    /// A text box with parameter id `id` bound to `value`.
    TextBox(int32_t id, std::string label, std::string tooltip, std::string* value,
            CInterface::Callback* callback);

    void saveProfile(util::xml::Element& parent) const override;
    /// Takes the item's text, whatever its type.
    void loadProfile(const util::xml::Element& container) override;
    ProfileKind GetProfileKind() const override { return ProfileKind::kItem; }
    /// The text read as a decimal number; 0 when it is not one.
    double getValue() const override;
    /// A user edit setting the text to the shortest decimal form of `value`.
    void setValue(double value) override;
    /// A user edit setting the text.
    void SetText(const std::string& text);
    util::xml::Element buildLayout() const override;

    std::string* GetVariable() const { return value_; }

private:
    std::string* value_;
};

} // namespace vex::orb::core::configadaptor::element
