#pragma once

#include "gui/StdComponent.h"
#include "gui/componentinterface/Menubar.h"
#include "util/AbstractFactory.h"

#include <vector>

namespace vex::gui::component {

/// The `menubar` element: a window's menu bar. Each `menu` child (title in `label`) holds `item`
/// children (`id`, `label`, `grayed`="yes" to show it unavailable) and `separator` children, in order.
///
/// Events: kItemTriggered (value: the item's id) when an item is chosen, kAboutToShow (value: the
/// menu's index in the bar) before a menu opens.
class Menubar : public StdComponent, public componentinterface::Menubar {
public:
    static constexpr int32_t kItemTriggered = 0x4300;
    static constexpr int32_t kAboutToShow = 0x4301;

    /// Makes `menubar` components.
    class Factory : public util::AbstractFactory<Component>::Factory {
    public:
        std::string name() const override { return "menubar"; }
        Component* create(const util::xml::Element& element) override;
    };

    const std::vector<Menu>& GetMenus() const override { return menus_; }
    bool SetItemGrayed(int32_t id, bool grayed) override;
    bool IsItemGrayed(int32_t id) const override;

protected:
    bool LoadChild(const util::xml::Element& child) override;
    /// The item `id` was grayed or enabled; the realisation updates its action. Base: nothing.
    virtual void ItemGrayedChanged(int32_t id, bool grayed);

    std::vector<Menu> menus_;
};

} // namespace vex::gui::component
