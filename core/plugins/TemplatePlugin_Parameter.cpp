#include "core/plugins/TemplatePlugin_Parameter.h"

#include "util/NumberText.h"

namespace vex::orb::core::plugins {

bool TemplatePlugin::Parameter::Read(const util::xml::Element& element) {
    property = element.GetAttribute("type") == "property";
    external = element.GetAttribute("external");
    const std::optional<int32_t> number = util::ParseNumber<int32_t>(element.GetAttribute("id"));
    id = number.value_or(0);
    return number.has_value();
}

} // namespace vex::orb::core::plugins
