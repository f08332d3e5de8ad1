#include "core/configadaptor/TextBox.h"

#include "core/configadaptor/ValueText.h"
#include "util/xml/Tag.h"

#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

TextBox::TextBox(int32_t id, std::string label, std::string tooltip, std::string* value,
                 CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback), value_(value) {}

void TextBox::saveProfile(Element& parent) const {
    parent.AddChild(MakeItem("text", value_ != nullptr ? *value_ : std::string()));
}

void TextBox::loadProfile(const Element& container) {
    const Element* item = FindItem(container);
    if (item == nullptr || value_ == nullptr) return;
    *value_ = item->GetText();
    valueChanged();
}

double TextBox::getValue() const {
    return value_ != nullptr ? ParseDouble(*value_).value_or(0.0) : 0.0;
}

void TextBox::setValue(double value) {
    SetText(FormatDouble(value));
}

void TextBox::SetText(const std::string& text) {
    Edit(value_, text);
}

Element TextBox::buildLayout() const {
    util::xml::Tag textBox("textbox");
    SetControlAttributes(textBox, 120);
    textBox.SetAttribute("defaulttext", value_ != nullptr ? *value_ : std::string());
    return MakeRow(std::move(textBox));
}

} // namespace vex::orb::core::configadaptor::element
