#include "gui/component/List.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void List::LoadOwn(const util::xml::Element& element) {
    horizontal_ = element.GetAttribute("type") == "horizontal";
    ReadAlignment(element);
    ReadMargin(element);
    ReadPadding(element);
}

} // namespace vex::gui::component
