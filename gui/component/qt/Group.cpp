#include "gui/component/qt/Group.h"

namespace vex::gui::component {

Component* Group::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Group;
}

namespace qt {

Group::Group() : layout_(new gui::qt::QBoxLayoutLimited(QBoxLayout::TopToBottom, this)) {}

void Group::LoadOwn(const util::xml::Element& element) {
    component::Group::LoadOwn(element);
    SetTitle(label_);
    gui::qt::ApplyFrameSpacing(*layout_, *this);
}

} // namespace qt

} // namespace vex::gui::component
