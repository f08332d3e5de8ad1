#include "gui/component/Spinner.h"

#include "util/NumberText.h"
#include "util/xml/Element.h"

namespace vex::gui::component {

namespace {

// The attribute as a number, or `fallback` when missing or malformed.
double ReadNumber(const util::xml::Element& element, std::string_view name, double fallback) {
    return util::ParseNumber<double>(element.GetAttribute(name)).value_or(fallback);
}

} // namespace

void Spinner::LoadOwn(const util::xml::Element& element) {
    defaultValue_ = ReadNumber(element, "defaultvalue", defaultValue_);
    minimum_ = ReadNumber(element, "min", minimum_);
    maximum_ = ReadNumber(element, "max", maximum_);
    if (maximum_ < minimum_) maximum_ = minimum_;
    step_ = ReadNumber(element, "step", step_);
    decimals_ = element.GetAttributeInt("decimals", decimals_);
    if (decimals_ < 0) decimals_ = 0;
    triggerLength_ = element.GetAttributeInt("triggerlength", triggerLength_);
}

} // namespace vex::gui::component
