#include "unidevice/DeviceRegistry.h"

#include "unidevice/Control.h"
#include "unidevice/Device.h"
#include "unidevice/Driver.h"

#include <algorithm>

namespace vex::unidevice {

namespace {

template <typename T>
void Unlist(std::vector<T*>& list, T* item) {
    auto found = std::find(list.begin(), list.end(), item);
    if (found != list.end()) list.erase(found);
}

template <typename T>
bool Listed(const std::vector<T*>& list, const T* item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

DeviceRegistry::~DeviceRegistry() {
    Shutdown();
}

Driver* DeviceRegistry::findDriver(const std::string& name) const {
    for (Driver* driver : drivers_)
        if (driver->getName() == name) return driver;
    return nullptr;
}

Device* DeviceRegistry::findDevice(const std::string& name, int devindex) const {
    for (Device* device : devices_)
        if (device->getName() == name && device->GetDevIndex() == devindex) return device;
    return nullptr;
}

Device* DeviceRegistry::findDevice(const util::xml::Element& element) const {
    for (Device* device : devices_)
        if (device->matches(element)) return device;
    return nullptr;
}

Control* DeviceRegistry::findControl(const util::xml::Element& element) const {
    for (Device* device : devices_) {
        if (!device->matches(element)) continue;
        if (Control* control = device->findControl(element)) return control;
    }
    return nullptr;
}

Control* DeviceRegistry::detectChange(std::span<Control* const> exclude) const {
    if (devices_.empty()) return nullptr;
    Control* best = nullptr;
    for (Driver* driver : drivers_) {
        Control* control = driver->detectChange(exclude);
        if (control != nullptr && (best == nullptr || control->GetChange() > best->GetChange()))
            best = control;
    }
    return best;
}

void DeviceRegistry::updateAll() const {
    for (Driver* driver : drivers_) driver->update();
}

bool DeviceRegistry::startAll() const {
    bool all = true;
    for (Driver* driver : drivers_) all = driver->start() && all;
    return all;
}

bool DeviceRegistry::stopAll() const {
    bool all = true;
    for (Driver* driver : drivers_) all = driver->stop() && all;
    return all;
}

int DeviceRegistry::resyncAll() const {
    int count = 0;
    for (Driver* driver : drivers_) count += driver->resyncDevices();
    return count;
}

void DeviceRegistry::clearAll() const {
    for (Device* device : devices_) device->clearValues();
}

bool DeviceRegistry::InsertDevice(Device* device, int position) {
    if (device == nullptr || device->registry_ != nullptr || Listed(devices_, device)) return false;
    if (position < 0 || position > getDeviceCount()) return false;
    devices_.insert(devices_.begin() + position, device);
    device->registry_ = this;
    AssignDevIndex(device);
    return true;
}

int DeviceRegistry::IndexOf(const Device* device) const {
    auto found = std::find(devices_.begin(), devices_.end(), device);
    return found == devices_.end() ? -1 : static_cast<int>(found - devices_.begin());
}

Device* DeviceRegistry::getDevice(int index) const {
    return index >= 0 && index < getDeviceCount() ? devices_[static_cast<std::size_t>(index)] : nullptr;
}

Driver* DeviceRegistry::GetDriver(int index) const {
    return index >= 0 && index < GetDriverCount() ? drivers_[static_cast<std::size_t>(index)] : nullptr;
}

void DeviceRegistry::Shutdown() {
    // Destroying one device may destroy another, so each is checked against the live list first.
    const std::vector<Device*> devices = devices_;
    for (auto it = devices.rbegin(); it != devices.rend(); ++it)
        if (Listed(devices_, *it)) (*it)->destroy();
    for (Device* device : devices_) device->registry_ = nullptr;
    devices_.clear();

    const std::vector<Driver*> drivers = drivers_;
    for (auto it = drivers.rbegin(); it != drivers.rend(); ++it)
        if (Listed(drivers_, *it)) (*it)->destroy();
    for (Driver* driver : drivers_) driver->registry_ = nullptr;
    drivers_.clear();
}

void DeviceRegistry::AppendDevice(Device* device) {
    devices_.push_back(device);
    device->registry_ = this;
    AssignDevIndex(device);
}

void DeviceRegistry::UnlistDevice(Device* device) {
    Unlist(devices_, device);
    device->registry_ = nullptr;
}

void DeviceRegistry::AppendDriver(Driver* driver) {
    drivers_.push_back(driver);
    driver->registry_ = this;
}

void DeviceRegistry::UnlistDriver(Driver* driver) {
    Unlist(drivers_, driver);
    driver->registry_ = nullptr;
}

void DeviceRegistry::AssignDevIndex(Device* device) const {
    // The device is listed already; -1 keeps it from finding itself.
    device->devindex_ = -1;
    int devindex = 0;
    while (findDevice(device->getName(), devindex) != nullptr) ++devindex;
    device->devindex_ = devindex;
}

} // namespace vex::unidevice
