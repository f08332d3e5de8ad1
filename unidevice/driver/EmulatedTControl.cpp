#include "unidevice/driver/EmulatedTControl.h"

#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "util/xml/Tag.h"

#include <string>

namespace vex::unidevice {

namespace {

constexpr double kEmulatedThreshold = 0.1;

// "Keyboard:I", or "Pad(1):Button 3" for a second device of a name.
std::string SourceName(const Control& source) {
    std::string name;
    if (const Device* device = source.getDevice()) {
        name = device->getName();
        if (device->GetDevIndex() != 0) name += "(" + std::to_string(device->GetDevIndex()) + ")";
    }
    return name + ":" + source.getDescription();
}

void AddSource(util::xml::Element& element, const Control* source, const char* direction) {
    if (source == nullptr) return;
    util::xml::Element child = util::xml::Tag("control");
    source->toXml(child);
    child.SetAttribute("te_direction", direction);
    element.AddChild(std::move(child));
}

} // namespace

EmulatedTControl::EmulatedTControl(Device* device, Control* positive, Control* negative)
    : Control(device, kTrinaryControl, kEmulatedThreshold), positive_(positive), negative_(negative) {
    SetType("control");
    SetIndex(0);
    SetDescription("emulated control (" + SourceName(*positive) + ", " + SourceName(*negative) + ")");
    positive_->AddTarget(this);
    negative_->AddTarget(this);
}

EmulatedTControl::~EmulatedTControl() {
    if (positive_ != nullptr) positive_->RemoveTarget(this);
    if (negative_ != nullptr) negative_->RemoveTarget(this);
}

util::xml::Element& EmulatedTControl::toXml(util::xml::Element& element) const {
    Control::toXml(element);
    AddSource(element, positive_, "positive");
    AddSource(element, negative_, "negative");
    return element;
}

bool EmulatedTControl::matches(const util::xml::Element& element) const {
    if (!Control::matches(element) || positive_ == nullptr || negative_ == nullptr) return false;
    const auto [positive, negative] = SourceElements(element);
    return positive != nullptr && negative != nullptr && positive_->matches(*positive) &&
           negative_->matches(*negative);
}

double EmulatedTControl::getValue() const {
    if (positive_ == nullptr || negative_ == nullptr) return 0.0;
    return positive_->getValue() - negative_->getValue();
}

void EmulatedTControl::controlRemoved(Control* control) {
    if (control == positive_) positive_ = nullptr;
    if (control == negative_) negative_ = nullptr;
}

std::pair<const util::xml::Element*, const util::xml::Element*>
EmulatedTControl::SourceElements(const util::xml::Element& element) {
    const util::xml::Element* first = element.GetChild("control", 0);
    const util::xml::Element* second = element.GetChild("control", 1);
    if (first != nullptr && first->GetAttribute("te_direction") == "negative") std::swap(first, second);
    return {first, second};
}

} // namespace vex::unidevice
