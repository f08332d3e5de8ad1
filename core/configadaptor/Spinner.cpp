#include "core/configadaptor/Spinner.h"

#include "core/configadaptor/ValueText.h"
#include "util/xml/Tag.h"

#include <optional>
#include <utility>

namespace vex::orb::core::configadaptor::element {

using util::xml::Element;

Spinner::Spinner(int32_t id, std::string label, std::string tooltip, double* value, double min, double max,
                 double step, int32_t setting, CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback), value_(value), min_(min), max_(max),
      step_(step), setting_(setting) {}

void Spinner::saveProfile(Element& parent) const {
    parent.AddChild(MakeItem("blob", value_ != nullptr ? EncodeDoubleBlob(*value_) : std::string()));
}

void Spinner::loadProfile(const Element& container) {
    const Element* item = FindItem(container);
    if (item == nullptr || value_ == nullptr) return;
    const std::string type = item->GetAttribute("type", "generic");
    std::optional<double> value;
    if (type == "generic") value = ParseDouble(item->GetText());
    if (type == "blob") value = DecodeDoubleBlob(item->GetText());
    if (!value) return;
    *value_ = *value;
    valueChanged();
}

double Spinner::getValue() const {
    return value_ != nullptr ? *value_ : 0.0;
}

void Spinner::setValue(double value) {
    Edit(value_, value);
}

Element Spinner::buildLayout() const {
    util::xml::Tag spinner("spinner");
    SetControlAttributes(spinner, 70);
    spinner.SetAttribute("min", FormatDouble(min_));
    spinner.SetAttribute("max", FormatDouble(max_));
    spinner.SetAttribute("step", FormatDouble(step_));
    spinner.SetAttributeInt("triggerlength", setting_);
    spinner.SetAttribute("defaultvalue", FormatDouble(getValue()));
    return MakeRow(std::move(spinner));
}

} // namespace vex::orb::core::configadaptor::element
