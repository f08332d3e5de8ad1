#include "gui/component/Menubar.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

bool Menubar::SetItemGrayed(int32_t id, bool grayed) {
    bool found = false;
    for (Menu& menu : menus_) {
        for (Entry& entry : menu.entries) {
            if (entry.separator || entry.id != id) continue;
            entry.grayed = grayed;
            found = true;
        }
    }
    if (found) ItemGrayedChanged(id, grayed);
    return found;
}

bool Menubar::IsItemGrayed(int32_t id) const {
    for (const Menu& menu : menus_)
        for (const Entry& entry : menu.entries)
            if (!entry.separator && entry.id == id) return entry.grayed;
    return false;
}

bool Menubar::LoadChild(const util::xml::Element& child) {
    if (child.GetName() != "menu") return false;
    Menu menu;
    menu.label = child.GetAttribute("label");
    for (const util::xml::Element& element : child.GetChildren()) {
        if (!element.IsTag()) continue;
        Entry entry;
        if (element.GetName() == "separator") {
            entry.separator = true;
        } else if (element.GetName() == "item") {
            entry.id = element.GetAttributeInt("id", -1);
            entry.label = element.GetAttribute("label");
            entry.grayed = IsYes(element.GetAttribute("grayed"));
        } else {
            continue; // a menu holds items and separators only
        }
        menu.entries.push_back(std::move(entry));
    }
    menus_.push_back(std::move(menu));
    return true;
}

void Menubar::ItemGrayedChanged(int32_t, bool) {}

} // namespace vex::gui::component
