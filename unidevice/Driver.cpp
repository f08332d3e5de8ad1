#include "unidevice/Driver.h"

#include "unidevice/Control.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"

#include <algorithm>
#include <utility>

namespace vex::unidevice {

Driver::Driver(std::string name) : name_(std::move(name)) {
    DeviceRegistry::Instance().AppendDriver(this);
}

Driver::~Driver() {
    for (Device* device : devices_) device->driver_ = nullptr;
    if (registry_ != nullptr) registry_->UnlistDriver(this);
}

bool Driver::update() {
    for (Device* device : devices_) device->update(GetWindow());
    return true;
}

int Driver::resyncDevices() {
    int count = 0;
    for (Device* device : devices_)
        if (device->resync(GetWindow())) ++count;
    return count;
}

Control* Driver::detectChange(std::span<Control* const> exclude) {
    Control* best = nullptr;
    for (Device* device : devices_) {
        Control* control = device->detectChange(exclude, GetWindow());
        if (control != nullptr && (best == nullptr || control->GetChange() > best->GetChange()))
            best = control;
    }
    return best;
}

bool Driver::addDevice(Device* device) {
    devices_.push_back(device);
    return true;
}

bool Driver::removeDevice(Device* device) {
    auto found = std::find(devices_.begin(), devices_.end(), device);
    if (found == devices_.end()) return false;
    devices_.erase(found);
    return true;
}

Device* Driver::getDevice(int index) const {
    return index >= 0 && index < getDeviceCount() ? devices_[static_cast<std::size_t>(index)] : nullptr;
}

int Driver::getDeviceCount() const {
    return static_cast<int>(devices_.size());
}

bool Driver::start() {
    bool all = true;
    for (Device* device : devices_) all = device->start(GetWindow()) && all;
    return all;
}

bool Driver::stop() {
    bool all = true;
    for (Device* device : devices_) all = device->stop(GetWindow()) && all;
    return all;
}

} // namespace vex::unidevice
