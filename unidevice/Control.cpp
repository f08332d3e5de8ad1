#include "unidevice/Control.h"

#include "unidevice/ControlTarget.h"
#include "unidevice/Device.h"
#include "util/xml/Tag.h"
#include "util/xml/Text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vex::unidevice {

Control::Control(Device* device, std::uint32_t kind, double threshold)
    : kind_(kind), threshold_(threshold), device_(device) {}

Control::Control(const Control& other)
    : kind_(other.kind_), previous_(other.previous_), current_(other.current_), threshold_(other.threshold_),
      type_(other.type_), index_(other.index_), description_(other.description_), device_(other.device_) {}

Control::~Control() {
    // Taken out first, so that a target unbinding itself while it hears of it changes nothing here.
    std::vector<ControlTarget*> targets = std::exchange(targets_, {});
    for (ControlTarget* target : targets) target->controlRemoved(this);
}

util::xml::Element& Control::toXml(util::xml::Element& element) const {
    element.SetName("control");
    if (device_ != nullptr) device_->toXml(element);
    element.SetAttribute("type", type_);
    element.SetAttributeInt("index", index_);
    util::xml::Element& description = element.AddChild(util::xml::Tag("description"));
    if (!description_.empty()) description.AddChild(util::xml::Text(description_));
    return element;
}

bool Control::matches(const util::xml::Element& element) const {
    if (device_ != nullptr && !device_->matches(element)) return false;
    if (element.GetAttribute("type") != type_) return false;
    // The fallback differs from the index, so a missing or malformed "index" never matches.
    return element.GetAttributeInt("index", index_ ^ 1) == index_;
}

FFEffect* Control::createEffect(EffectType type) {
    (void)type;
    return nullptr;
}

void Control::setValue(double value) {
    previous_ = current_;
    current_ = value;
}

double Control::GetChange() const {
    return std::fabs(current_ - previous_);
}

void Control::AddTarget(ControlTarget* target) {
    targets_.push_back(target);
}

bool Control::RemoveTarget(ControlTarget* target) {
    auto found = std::find(targets_.begin(), targets_.end(), target);
    if (found == targets_.end()) return false;
    targets_.erase(found);
    return true;
}

} // namespace vex::unidevice
