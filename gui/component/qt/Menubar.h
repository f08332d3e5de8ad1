#pragma once

#include "gui/component/Menubar.h"
#include "gui/qt/Widget.h"

#include <QMenuBar>

#include <map>

class QAction;

namespace vex::gui::component::qt {

/// The menu bar: one QMenu per `menu`, one action per item. Choosing an action reports the item's
/// id; opening a menu reports its index.
class Menubar : public gui::qt::Widget<QMenuBar, component::Menubar> {
public:
    /// The actions of the item `id` (an id may stand in several menus).
    std::vector<QAction*> GetActions(int32_t id) const;

protected:
    void Loaded() override;
    void ItemGrayedChanged(int32_t id, bool grayed) override;

private:
    std::multimap<int32_t, QAction*> actions_;
};

} // namespace vex::gui::component::qt
