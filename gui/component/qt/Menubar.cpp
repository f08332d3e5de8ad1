#include "gui/component/qt/Menubar.h"

#include <QAction>
#include <QMenu>

namespace vex::gui::component {

Component* Menubar::Factory::create(const util::xml::Element&) {
    return new qt::Menubar;
}

namespace qt {

std::vector<QAction*> Menubar::GetActions(int32_t id) const {
    std::vector<QAction*> found;
    const auto [first, last] = actions_.equal_range(id);
    for (auto it = first; it != last; ++it) found.push_back(it->second);
    return found;
}

void Menubar::Loaded() {
    for (std::size_t index = 0; index < menus_.size(); ++index) {
        const Menu& menu = menus_[index];
        QMenu* qmenu = addMenu(gui::qt::ToQString(menu.label));
        QObject::connect(qmenu, &QMenu::aboutToShow, this,
                         [this, index] { SendEvent(kAboutToShow, static_cast<int64_t>(index)); });
        for (const Entry& entry : menu.entries) {
            if (entry.separator) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(gui::qt::ToQString(entry.label));
            action->setEnabled(!entry.grayed);
            const int32_t id = entry.id;
            QObject::connect(action, &QAction::triggered, this,
                             [this, id] { SendEvent(kItemTriggered, id); });
            actions_.emplace(id, action);
        }
    }
}

void Menubar::ItemGrayedChanged(int32_t id, bool grayed) {
    for (QAction* action : GetActions(id)) action->setEnabled(!grayed);
}

} // namespace qt
} // namespace vex::gui::component
