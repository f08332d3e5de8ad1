#include "unidevice/driver/EmulatedTrinaryDevice.h"

#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"
#include "unidevice/driver/EmulatedTControl.h"
#include "util/xml/Tag.h"

namespace vex::unidevice {

namespace {

bool IsEmpty(const util::xml::Element* element) {
    return element == nullptr || (element->GetAttributes().empty() && element->CountChildren() == 0);
}

} // namespace

EmulatedTrinaryDevice::EmulatedTrinaryDevice() : Device("TrinaryEmulator") {
    if (DeviceRegistry* registry = GetRegistry()) setDriver(registry->findDriver("dummydriver"));
}

EmulatedTrinaryDevice::~EmulatedTrinaryDevice() {
    for (EmulatedTControl* control : controls_) control->destroy();
}

Control* EmulatedTrinaryDevice::getControl(int index) {
    return index >= 0 && index < getControlCount() ? controls_[static_cast<std::size_t>(index)] : nullptr;
}

bool EmulatedTrinaryDevice::update(HWND window) {
    (void)window;
    return true;
}

bool EmulatedTrinaryDevice::resync(HWND window) {
    (void)window;
    for (EmulatedTControl* control : controls_) control->setValue(control->GetCurrent());
    return false;
}

Control* EmulatedTrinaryDevice::detectChange(std::span<Control* const> exclude, HWND window) {
    (void)exclude;
    (void)window;
    return nullptr;
}

void EmulatedTrinaryDevice::clearValues() {
    Device::clearValues();
}

Control* EmulatedTrinaryDevice::findControl(const util::xml::Element& element) {
    if (Control* existing = Device::findControl(element)) return existing;

    const util::xml::Element* first = element.GetChild("control", 0);
    const util::xml::Element* second = element.GetChild("control", 1);
    if (IsEmpty(first) || IsEmpty(second)) return nullptr;
    const DeviceRegistry* registry = GetRegistry();
    if (registry == nullptr) return nullptr;
    Control* positive = registry->findControl(*first);
    Control* negative = registry->findControl(*second);
    if (first->GetAttribute("te_direction") == "negative") std::swap(positive, negative);
    return MakeControl(positive, negative);
}

EmulatedTControl* EmulatedTrinaryDevice::MakeControl(Control* positive, Control* negative) {
    if (positive == nullptr || negative == nullptr) return nullptr;
    auto* made = new EmulatedTControl(this, positive, negative);
    util::xml::Element identity = util::xml::Tag("control");
    made->toXml(identity);
    for (EmulatedTControl* existing : controls_) {
        if (existing->matches(identity)) {
            made->destroy();
            return existing;
        }
    }
    controls_.push_back(made);
    return made;
}

} // namespace vex::unidevice
