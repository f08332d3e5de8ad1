#include "gui/component/ComboBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void ComboBox::LoadOwn(const util::xml::Element& element) {
    editable_ = IsYes(element.GetAttribute("editable"));
}

bool ComboBox::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "item") return false;
    layoutItems_.push_back(ItemText(child));
    AddItem(layoutItems_.back());
    return true;
}

} // namespace vex::gui::component
