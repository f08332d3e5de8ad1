#include "gui/background/qt/Color.h"

#include "gui/qt/Realisation.h"
#include "util/xml/Element.h"

namespace vex::gui::background {

bool Color::Factory::Accepts(const util::xml::Element& element) const {
    return element.GetAttribute("type") == name();
}

Background* Color::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Color;
}

namespace qt {

void Color::ApplyTo(Component& component) const {
    if (QWidget* widget = gui::qt::AsWidget(&component))
        gui::qt::SetWindowBrush(*widget, QBrush(gui::qt::ToQColor(color_)));
}

} // namespace qt

} // namespace vex::gui::background
