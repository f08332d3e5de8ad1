#include "gui/background/qt/Gradient_Linear.h"

#include "gui/qt/Realisation.h"
#include "util/xml/Element.h"

#include <QLinearGradient>

namespace vex::gui::background {

bool Gradient_Linear::Factory::Accepts(const util::xml::Element& element) const {
    return element.GetAttribute("type") == name();
}

Background* Gradient_Linear::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Gradient_Linear;
}

namespace qt {

QLinearGradient Gradient_Linear::ToQt() const {
    QLinearGradient gradient(startX_, startY_, endX_, endY_);
    gradient.setSpread(spread_ == Spread::kRepeat   ? QGradient::RepeatSpread
                       : spread_ == Spread::kMirror ? QGradient::ReflectSpread
                                                    : QGradient::PadSpread);
    // Relative coordinates are fractions of the painted widget's rectangle.
    gradient.setCoordinateMode(absolute_ ? QGradient::LogicalMode : QGradient::ObjectMode);
    for (const Stop& stop : stops_) gradient.setColorAt(stop.position, gui::qt::ToQColor(stop.color));
    return gradient;
}

void Gradient_Linear::ApplyTo(Component& component) const {
    if (QWidget* widget = gui::qt::AsWidget(&component)) gui::qt::SetWindowBrush(*widget, QBrush(ToQt()));
}

} // namespace qt

} // namespace vex::gui::background
