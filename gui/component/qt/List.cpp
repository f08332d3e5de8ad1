#include "gui/component/qt/List.h"

namespace vex::gui::component {

Component* List::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::List;
}

namespace qt {

List::List() : layout_(new gui::qt::QBoxLayoutLimited(QBoxLayout::TopToBottom, this)) {}

void List::LoadOwn(const util::xml::Element& element) {
    component::List::LoadOwn(element);
    layout_->setDirection(horizontal_ ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    setContentsMargins(gui::qt::ToQMargins(margin_));
    layout_->setContentsMargins(gui::qt::ToQMargins(padding_));
}

void List::ChildAdded(Component& child) {
    if (QWidget* widget = gui::qt::AsWidget(&child))
        layout_->addWidget(widget, 0, gui::qt::ToQtAlignment(hAlign_, vAlign_));
}

} // namespace qt

} // namespace vex::gui::component
