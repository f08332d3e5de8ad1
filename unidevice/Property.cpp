#include "unidevice/Property.h"

#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/FFEffect.h"
#include "util/xml/Tag.h"
#include "util/xml/TagWithData.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <utility>

namespace vex::unidevice {

namespace {

// No attributes and no children: a binding element that names nothing.
bool IsEmpty(const util::xml::Element& element) {
    return element.GetAttributes().empty() && element.CountChildren() == 0;
}

// Reads the number in the child `name` into `value`; a missing, empty or malformed child leaves it.
void ReadNumber(const util::xml::Element& element, const char* name, double& value) {
    const util::xml::Element* child = element.GetChild(name);
    if (child == nullptr) return;
    std::istringstream text(child->GetText());
    text.imbue(std::locale::classic());
    double number = 0.0;
    if (text >> number) value = number;
}

} // namespace

Property::Property(std::string name, std::uint32_t accepts) : name_(std::move(name)), accepts_(accepts) {}

Property::~Property() {
    if (control_ != nullptr) control_->RemoveTarget(this);
    for (FFEffect* effect : effects_) effect->destroy();
}

void Property::controlRemoved(Control* control) {
    if (control == control_) control_ = nullptr;
    for (FFEffect* effect : effects_) effect->SetAttached(false);
}

double Property::getValue() const {
    const double x = control_ != nullptr ? control_->getValue() : 0.0;
    const double sign = x < 0.0 ? -1.0 : 1.0;
    double magnitude = std::fabs(x) - deadzone_;
    if (magnitude < 0.0) magnitude = 0.0;
    const double base = magnitude / (1.0 - deadzone_);
    // A held control gives the same base step after step (and a re-simulation reads held values
    // many times a frame); the curve is only evaluated again when the base or the exponent changed.
    if (base != curve_.base || exponent_ != curve_.exponent)
        curve_ = {base, exponent_, std::pow(base, exponent_)};
    return curve_.shaped * sign * multiplier_ + offset_;
}

std::uint32_t Property::SetControl(Control* control) {
    if (control_ != nullptr) control_->RemoveTarget(this);
    control_ = control;
    if (control == nullptr) return kAnyControl;
    control->AddTarget(this);
    return accepts_ & control->GetKind();
}

FFEffect* Property::createEffect(EffectType type) {
    if (control_ == nullptr) return nullptr;
    FFEffect* effect = control_->createEffect(type);
    if (effect != nullptr) effects_.push_back(effect);
    return effect;
}

util::xml::Element& Property::toXml(util::xml::Element& element) const {
    element.SetName("property");
    element.SetAttribute("name", name_);
    element.AddChild(util::xml::TagWithData("multiplier", multiplier_));
    element.AddChild(util::xml::TagWithData("exponent", exponent_));
    element.AddChild(util::xml::TagWithData("deadzone", deadzone_));
    element.AddChild(util::xml::TagWithData("offset", offset_));
    if (control_ != nullptr) {
        control_->toXml(element.AddChild(util::xml::Tag("control")));
    } else if (!IsEmpty(unresolved_)) {
        element.AddChild(unresolved_);
    }
    return element;
}

bool Property::FromXml(const util::xml::Element& element) {
    ReadNumber(element, "multiplier", multiplier_);
    ReadNumber(element, "exponent", exponent_);
    ReadNumber(element, "deadzone", deadzone_);
    ReadNumber(element, "offset", offset_);

    SetControl(nullptr);
    unresolved_ = util::xml::Element();
    const util::xml::Element* binding = element.GetChild("control");
    if (binding == nullptr || IsEmpty(*binding)) return true;
    if (Control* control = DeviceRegistry::Instance().findControl(*binding)) {
        SetControl(control);
        return true;
    }
    unresolved_ = *binding;
    return false;
}

} // namespace vex::unidevice
