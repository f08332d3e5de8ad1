#include "gui/component/CheckBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void CheckBox::LoadOwn(const util::xml::Element& element) {
    const std::string state = element.GetAttribute("defaultstate");
    defaultState_ = state == "true"           ? State::True
                    : state == "undetermined" ? State::Undetermined
                                              : State::False;
    // An undetermined first state needs the third state.
    tristate_ = IsYes(element.GetAttribute("tristate")) || defaultState_ == State::Undetermined;
    paintGroup_ = element.GetAttribute("paintgroup");
}

} // namespace vex::gui::component
