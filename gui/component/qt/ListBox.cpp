#include "gui/component/qt/ListBox.h"

namespace vex::gui::component {

Component* ListBox::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::ListBox;
}

namespace qt {

ListBox::ListBox() {
    QObject::connect(this, &QListWidget::currentRowChanged, this,
                     [this](int row) { SendEvent(kIndexChanged, row); });
    QObject::connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SendEvent(kItemDoubleClicked, row(item), std::make_unique<EventData>(gui::qt::ToStd(item->text())));
    });
    setMouseTracking(true);
    QObject::connect(this, &QListWidget::itemEntered, this,
                     [this](QListWidgetItem* item) { SendEvent(kItemHovered, row(item)); });
}

void ListBox::AddItem(const std::string& text, const std::string& icon) {
    auto* item = new QListWidgetItem(gui::qt::ToQString(text), this);
    if (!icon.empty()) item->setIcon(QIcon(gui::qt::LoadImage(*this, icon)));
}

std::string ListBox::GetItem(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry != nullptr ? gui::qt::ToStd(entry->text()) : std::string();
}

} // namespace qt

} // namespace vex::gui::component
