#include "gui/component/TextBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void TextBox::LoadOwn(const util::xml::Element& element) {
    defaultText_ = element.GetAttribute("defaulttext");
    editable_ = element.GetAttribute("editable") != "no";
}

} // namespace vex::gui::component
