#include "core/configadaptor/ComboBox.h"

#include "core/configadaptor/ValueText.h"
#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <algorithm>
#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

ComboBox::ComboBox(int32_t id, std::string label, std::string tooltip, std::vector<std::string> items,
                   int* value, CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback), items_(std::move(items)), value_(value) {}

void ComboBox::saveProfile(Element& parent) const {
    const bool chosen =
        value_ != nullptr && *value_ >= 0 && static_cast<std::size_t>(*value_) < items_.size();
    parent.AddChild(MakeItem("text", chosen ? items_[static_cast<std::size_t>(*value_)] : std::string()));
}

void ComboBox::loadProfile(const Element& container) {
    const Element* item = FindItem(container);
    if (item == nullptr || value_ == nullptr) return;
    const auto entry = std::find(items_.begin(), items_.end(), item->GetText());
    if (entry == items_.end()) return;
    *value_ = static_cast<int>(entry - items_.begin());
    valueChanged();
}

double ComboBox::getValue() const {
    return value_ != nullptr ? *value_ : 0.0;
}

void ComboBox::setValue(double value) {
    const auto index = ToInt(value);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= items_.size()) return;
    Edit(value_, static_cast<int>(*index));
}

void ComboBox::update(const std::vector<std::string>& items) {
    items_ = items;
    valueChanged();
}

Element ComboBox::buildLayout() const {
    util::xml::Tag comboBox("combobox");
    SetControlAttributes(comboBox, 120);
    comboBox.SetAttribute("defaultindex", value_ != nullptr ? std::to_string(*value_) : "0");
    for (const std::string& entry : items_) {
        util::xml::Tag item("item");
        item.AddChild(util::xml::Text(entry));
        comboBox.AddChild(std::move(item));
    }
    return MakeRow(std::move(comboBox));
}

} // namespace vex::orb::core::configadaptor::element
