#include "core/configadaptor/Spinner_Int.h"

#include "core/configadaptor/ValueText.h"
#include "util/xml/Tag.h"

#include <optional>
#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

Spinner_Int::Spinner_Int(int32_t id, std::string label, std::string tooltip, int* value, int min, int max,
                         int step, int32_t setting, CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback), value_(value), min_(min), max_(max),
      step_(step), setting_(setting) {}

void Spinner_Int::saveProfile(Element& parent) const {
    parent.AddChild(MakeItem(nullptr, value_ != nullptr ? std::to_string(*value_) : std::string()));
}

void Spinner_Int::loadProfile(const Element& container) {
    const Element* item = FindItem(container);
    if (item == nullptr || value_ == nullptr) return;
    const std::string type = item->GetAttribute("type", "generic");
    std::optional<int32_t> value;
    if (type == "generic") {
        value = ParseInt(item->GetText());
        if (!value) {
            if (const auto number = ParseDouble(item->GetText())) value = ToInt(*number);
        }
    }
    if (type == "blob") {
        // A blob holds the raw double of a floating spinner; it converts to the int as C does.
        if (const auto number = DecodeDoubleBlob(item->GetText())) value = TruncateToInt(*number);
    }
    if (!value) return;
    *value_ = *value;
    valueChanged();
}

double Spinner_Int::getValue() const {
    return value_ != nullptr ? *value_ : 0.0;
}

void Spinner_Int::setValue(double value) {
    if (const auto rounded = ToInt(value)) Edit(value_, static_cast<int>(*rounded));
}

Element Spinner_Int::buildLayout() const {
    util::xml::Tag spinner("spinner");
    SetControlAttributes(spinner, 70);
    spinner.SetAttributeInt("min", min_);
    spinner.SetAttributeInt("max", max_);
    spinner.SetAttributeInt("step", step_);
    spinner.SetAttributeInt("triggerlength", setting_);
    spinner.SetAttribute("defaultvalue", value_ != nullptr ? std::to_string(*value_) : "0");
    spinner.SetAttribute("decimals", "0");
    return MakeRow(std::move(spinner));
}

} // namespace vex::orb::core::configadaptor::element
