#include "gui/component/Group.h"

namespace vex::gui::component {

void Group::LoadOwn(const util::xml::Element& element) {
    ReadAlignment(element);
    ReadMargin(element);
    ReadPadding(element);
}

} // namespace vex::gui::component
