#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vex::util::xml {
class Element;
}

namespace vex::gui {

/// A context menu as a layout describes it: items with the id they report, separators and sub-menus.
struct PopupMenu {
    /// One entry: an item (id, label), a separator, or a sub-menu (label, entries).
    struct Entry {
        enum class Kind { kItem, kSeparator, kSubMenu };
        Kind kind = Kind::kItem;
        int32_t id = -1;
        std::string label;
        std::vector<Entry> entries;
    };

    /// The title (used when this menu is a sub-menu).
    std::string label;
    std::vector<Entry> entries;

    /// True when the menu has no entries (no context menu is offered).
    bool Empty() const { return entries.empty(); }
    /// Reads a `popup` element: `item` (id, label), `separator` and nested `popup` (label) children.
    static PopupMenu Parse(const util::xml::Element& popup);
};

} // namespace vex::gui
