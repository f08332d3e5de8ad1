#include "gui/component/ListBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

bool ListBox::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "item") return false;
    AddItem(ItemText(child), child.GetAttribute("icon"));
    return true;
}

} // namespace vex::gui::component
