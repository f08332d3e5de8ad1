#include "gui/component/Border.h"

namespace vex::gui::component {

void Border::LoadOwn(const util::xml::Element& element) {
    ReadAlignment(element);
    ReadMargin(element);
    ReadPadding(element);
}

} // namespace vex::gui::component
