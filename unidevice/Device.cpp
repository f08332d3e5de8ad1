#include "unidevice/Device.h"

#include "unidevice/Control.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"

#include <algorithm>
#include <utility>

namespace vex::unidevice {

Device::Device(std::string name, bool registered) : name_(std::move(name)) {
    if (registered) DeviceRegistry::Instance().AppendDevice(this);
}

Device::~Device() {
    if (registry_ != nullptr) registry_->UnlistDevice(this);
    if (driver_ != nullptr) driver_->removeDevice(this);
}

util::xml::Element& Device::toXml(util::xml::Element& element) const {
    element.SetAttribute("device", name_);
    if (devindex_ != 0) element.SetAttributeInt("devindex", devindex_);
    return element;
}

Control* Device::findControl(const util::xml::Element& element) {
    for (int i = 0, count = getControlCount(); i < count; ++i) {
        Control* control = getControl(i);
        if (control != nullptr && control->matches(element)) return control;
    }
    return nullptr;
}

Control* Device::detectChange(std::span<Control* const> exclude, HWND window) {
    // A device that cannot be read (a controller pulled out) keeps its last values, which are no
    // move of the user's.
    if (!update(window)) return nullptr;
    Control* best = nullptr;
    for (int i = 0, count = getControlCount(); i < count; ++i) {
        Control* control = getControl(i);
        if (control == nullptr || !control->HasChanged()) continue;
        if (std::find(exclude.begin(), exclude.end(), control) != exclude.end()) continue;
        if (best == nullptr || control->GetChange() > best->GetChange()) best = control;
    }
    return best;
}

void Device::clearValues() {
    for (int i = 0, count = getControlCount(); i < count; ++i) {
        if (Control* control = getControl(i)) {
            control->setValue(0.0);
            control->setValue(0.0);
        }
    }
}

bool Device::start(HWND window) {
    (void)window;
    return true;
}

bool Device::stop(HWND window) {
    (void)window;
    return true;
}

bool Device::matches(const util::xml::Element& element) const {
    const std::string devindex = element.GetAttribute("devindex");
    // The fallback differs from the devindex, so a malformed "devindex" never matches.
    const bool devindexMatches =
        devindex.empty() || element.GetAttributeInt("devindex", devindex_ ^ 1) == devindex_;
    const std::string device = element.GetAttribute("device");
    return devindexMatches && (device.empty() || device == name_);
}

void Device::setDriver(Driver* driver) {
    if (driver_ != nullptr) driver_->removeDevice(this);
    driver_ = driver;
    if (driver_ != nullptr) driver_->addDevice(this);
}

} // namespace vex::unidevice
