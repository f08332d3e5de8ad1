#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vex::gui::componentinterface {

/// A window's menu bar: menus of items (each with an id the window chooses) and separators. Choosing
/// an item reports its id; an item can be grayed (shown but not choosable).
class Menubar {
public:
    /// One entry of a menu: an item, or a separator (id and label unused).
    struct Entry {
        bool separator = false;
        int32_t id = -1;
        std::string label;
        bool grayed = false;
    };
    /// One menu of the bar: its title and entries.
    struct Menu {
        std::string label;
        std::vector<Entry> entries;
    };

    virtual ~Menubar() = default;

    /// The menus, in bar order.
    virtual const std::vector<Menu>& GetMenus() const = 0;
    /// Grays or enables every item with `id`; false when there is none.
    virtual bool SetItemGrayed(int32_t id, bool grayed) = 0;
    /// Whether the item `id` is grayed; false when there is none.
    virtual bool IsItemGrayed(int32_t id) const = 0;
};

} // namespace vex::gui::componentinterface
