#include "gui/PopupMenu.h"

#include "util/xml/Element.h"

namespace vex::gui {

PopupMenu PopupMenu::Parse(const util::xml::Element& popup) {
    PopupMenu menu;
    menu.label = popup.GetAttribute("label");
    for (const util::xml::Element& child : popup.GetChildren()) {
        if (!child.IsTag()) continue;
        Entry entry;
        if (child.GetName() == "item") {
            entry.id = child.GetAttributeInt("id", -1);
            entry.label = child.GetAttribute("label");
        } else if (child.GetName() == "separator") {
            entry.kind = Entry::Kind::kSeparator;
        } else if (child.GetName() == "popup") {
            PopupMenu sub = Parse(child);
            entry.kind = Entry::Kind::kSubMenu;
            entry.label = std::move(sub.label);
            entry.entries = std::move(sub.entries);
        } else {
            continue; // not a menu entry
        }
        menu.entries.push_back(std::move(entry));
    }
    return menu;
}

} // namespace vex::gui
