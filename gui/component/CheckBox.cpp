#include "gui/component/CheckBox.h"

#include "util/xml/Element.h"

namespace vex::gui::component {

void CheckBox::LoadOwn(const util::xml::Element& element) {
    const std::string state = element.GetAttribute("defaultstate");
    defaultState_ = state == "true"           ? State::kTrue
                    : state == "undetermined" ? State::kUndetermined
                                              : State::kFalse;
    // An undetermined first state needs the third state.
    tristate_ = IsYes(element.GetAttribute("tristate")) || defaultState_ == State::kUndetermined;
    paintGroup_ = element.GetAttribute("paintgroup");
}

} // namespace vex::gui::component
