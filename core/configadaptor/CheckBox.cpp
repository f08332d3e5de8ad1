#include "core/configadaptor/CheckBox.h"

#include "core/configadaptor/ValueText.h"
#include "util/xml/Tag.h"

#include <optional>
#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

CheckBox::CheckBox(int32_t id, std::string label, std::string tooltip, bool* value,
                   CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback), value_(value) {}

void CheckBox::saveProfile(Element& parent) const {
    parent.AddChild(MakeItem(nullptr, value_ != nullptr && *value_ ? "1" : "0"));
}

void CheckBox::loadProfile(const Element& container) {
    const Element* item = FindItem(container);
    if (item == nullptr || value_ == nullptr || item->GetAttribute("type", "generic") != "generic") return;
    std::string text = item->GetText();
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    text = first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    std::optional<bool> value;
    if (text == "1" || text == "true") value = true;
    if (text == "0" || text == "false") value = false;
    if (!value) return;
    *value_ = *value;
    valueChanged();
}

double CheckBox::getValue() const {
    return value_ != nullptr && *value_ ? 1.0 : 0.0;
}

void CheckBox::setValue(double value) {
    Edit(value_, value != 0.0);
}

Element CheckBox::buildLayout() const {
    util::xml::Tag checkBox("checkbox");
    SetControlAttributes(checkBox, 20);
    checkBox.SetAttribute("label", getLabel());
    checkBox.SetAttribute("defaultstate", getValue() != 0.0 ? "true" : "false");
    return MakeRow(std::move(checkBox));
}

} // namespace vex::orb::core::configadaptor::element
