#include "gui/component/qt/Spinner.h"

#include <cmath>

namespace vex::gui::component {

Component* Spinner::Factory::create(const util::xml::Element& /*element*/) {
    return new qt::Spinner;
}

namespace qt {

Spinner::Spinner() {
    QObject::connect(this, &QDoubleSpinBox::valueChanged, this, [this](double) { SendValue(kValueChanged); });
    QObject::connect(this, &QDoubleSpinBox::editingFinished, this, [this] { SendValue(kEditingFinished); });
}

void Spinner::SetRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setRange(minimum_, maximum_);
}

void Spinner::LoadOwn(const util::xml::Element& element) {
    component::Spinner::LoadOwn(element);
    setDecimals(decimals_); // first: the range and value are rounded to the decimals
    SetRange(minimum_, maximum_);
    setSingleStep(step_);
    setValue(defaultValue_);
}

void Spinner::SendValue(int32_t code) {
    const double current = value();
    SendEvent(code, std::llround(current), std::make_unique<EventData>(current));
}

} // namespace qt

} // namespace vex::gui::component
