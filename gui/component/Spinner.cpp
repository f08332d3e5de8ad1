#include "gui/component/Spinner.h"

#include <cstdlib>

#include "util/xml/Element.h"

namespace vex::gui::component {

namespace {

// The attribute as a number, or `fallback` when missing or malformed.
double ReadNumber(const util::xml::Element& element, std::string_view name, double fallback) {
    const std::string text = element.GetAttribute(name);
    if (text.empty()) return fallback;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return *end == '\0' ? value : fallback;
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
