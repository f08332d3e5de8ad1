#include "core/configadaptor/Label.h"

#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <utility>

namespace vex::orb::core::configadaptor::element {

Label::Label(std::string text, std::string tooltip)
    : Node(kNoId, std::move(text), std::move(tooltip), nullptr) {}

util::xml::Element Label::buildLayout() const {
    util::xml::Tag label("label");
    if (!GetTooltip().empty()) label.SetAttribute("tooltip", GetTooltip());
    label.AddChild(util::xml::Text(getLabel()));
    return label;
}

} // namespace vex::orb::core::configadaptor::element
