#include "gui/component/ComboBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void ComboBox::LoadOwn(const util::xml::Element& element) {
    editable_ = IsYes(element.GetAttribute("editable"));
    defaultIndex_ = element.GetAttributeInt("defaultindex", kNoDefault);
}

void ComboBox::Loaded() {
    // The entries are read by now, so the box can open on the one the layout names.
    if (defaultIndex_ >= 0 && defaultIndex_ < GetCount()) SetCurrentIndex(defaultIndex_);
}

bool ComboBox::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "item") return false;
    layoutItems_.push_back(ItemText(child));
    AddItem(layoutItems_.back());
    return true;
}

} // namespace vex::gui::component
