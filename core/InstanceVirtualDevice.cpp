#include "core/InstanceVirtualDevice.h"

#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"

namespace vex::orb::core {

namespace {
// The driver that polls devices needing no window; instance devices are listed under it.
constexpr const char* kDriverName = "dummydriver";
} // namespace

InstanceVirtualDevice::VirtualControl::VirtualControl(InstanceVirtualDevice* device,
                                                      const std::string& description, int index)
    : Control(device, unidevice::kInfiniteControl, 0.0) {
    SetType("Virtual");
    SetIndex(index);
    SetDescription(description);
}

InstanceVirtualDevice::InstanceVirtualDevice(const std::string& name) : Device(name) {
    if (unidevice::Driver* driver = unidevice::DeviceRegistry::Instance().findDriver(kDriverName)) {
        setDriver(driver);
    }
}

InstanceVirtualDevice::~InstanceVirtualDevice() {
    // The controls go first, telling the channels of other instances bound to them.
    controls_.clear();
}

unidevice::Control* InstanceVirtualDevice::getControl(int index) {
    return index >= 0 && index < getControlCount() ? controls_[static_cast<size_t>(index)].get() : nullptr;
}

bool InstanceVirtualDevice::update(HWND window) {
    (void)window;
    return true;
}

bool InstanceVirtualDevice::resync(HWND window) {
    (void)window;
    return true;
}

unidevice::Control* InstanceVirtualDevice::detectChange(std::span<unidevice::Control* const> exclude,
                                                        HWND window) {
    return Device::detectChange(exclude, window);
}

int InstanceVirtualDevice::AddVirtualControl(const std::string& description) {
    const int index = getControlCount();
    controls_.push_back(std::make_unique<VirtualControl>(this, description, index));
    return index;
}

} // namespace vex::orb::core
