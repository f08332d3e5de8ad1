#include "core/configadaptor/Button.h"

#include "util/xml/Tag.h"

#include <utility>

namespace vex::orb::core::configadaptor::element {

Button::Button(int32_t id, std::string label, std::string tooltip, CInterface::Callback* callback)
    : Node(id, std::move(label), std::move(tooltip), callback) {}

void Button::Press() {
    if (GetCallback() == nullptr) return;
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor != nullptr) adaptor->beginUndoGroup(getLabel());
    GetCallback()->onEvent(getLabel());
    if (adaptor != nullptr) adaptor->endUndoGroup();
}

void Button::setValue(double value) {
    (void)value;
    Press();
}

util::xml::Element Button::buildLayout() const {
    util::xml::Tag button("button");
    SetControlAttributes(button, 80);
    button.SetAttribute("label", getLabel());
    return MakeRow(std::move(button));
}

} // namespace vex::orb::core::configadaptor::element
