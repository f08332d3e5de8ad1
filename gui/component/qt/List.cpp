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
    gui::qt::ApplySpacing(*this, *layout_, *this);
    gui::qt::AlignBoxContents(*layout_, *this);
}

void List::ChildAdded(Component& child) {
    gui::qt::AddToLayout(*layout_, child, *this);
}

} // namespace qt

} // namespace vex::gui::component
