#include "core/InputBindingChoices.h"

#include "unidevice/BindingDetector.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"

#include <algorithm>

namespace vex::orb::core {

namespace {

// The position of `device` in `devices` shifted past the "[none]" entry; 0 when absent.
int ListIndex(const std::vector<unidevice::Device*>& devices, const unidevice::Device* device) {
    if (device == nullptr) return 0;
    const auto found = std::find(devices.begin(), devices.end(), device);
    return found == devices.end() ? 0 : static_cast<int>(found - devices.begin()) + 1;
}

} // namespace

void InputBindingChoices::Refresh(const unidevice::DeviceRegistry& registry, const unidevice::Device* own) {
    registry_ = &registry;
    devices_.clear();
    sources_.clear();
    for (int i = 0; i < registry.getDeviceCount(); ++i) {
        unidevice::Device* device = registry.getDevice(i);
        if (device == nullptr || device == own) continue;
        devices_.push_back(device);
        if (IsEmulator(device)) continue;
        for (int c = 0; c < device->getControlCount(); ++c) {
            unidevice::Control* control = device->getControl(c);
            if (control != nullptr && control->GetKind() == unidevice::kBinaryControl)
                sources_.push_back({device, control});
        }
    }
}

std::vector<std::string> InputBindingChoices::DeviceNames() const {
    std::vector<std::string> names{kNone};
    for (const unidevice::Device* device : devices_) names.push_back(DeviceText(*device));
    return names;
}

unidevice::Device* InputBindingChoices::DeviceAt(int index) const {
    if (index < 1 || index > static_cast<int>(devices_.size())) return nullptr;
    unidevice::Device* device = devices_[static_cast<size_t>(index - 1)];
    return Alive(device) ? device : nullptr;
}

int InputBindingChoices::IndexOfDevice(const unidevice::Device* device) const {
    return ListIndex(devices_, device);
}

std::vector<std::string> InputBindingChoices::ControlNames(unidevice::Device& device) {
    std::vector<std::string> names{kNone};
    for (int i = 0; i < device.getControlCount(); ++i) {
        const unidevice::Control* control = device.getControl(i);
        names.push_back(control != nullptr ? control->getDescription() : std::string());
    }
    return names;
}

unidevice::Control* InputBindingChoices::ControlAt(unidevice::Device& device, int index) {
    return index >= 1 ? device.getControl(index - 1) : nullptr;
}

int InputBindingChoices::IndexOfControl(unidevice::Device& device, const unidevice::Control* control) {
    if (control == nullptr) return 0;
    for (int i = 0; i < device.getControlCount(); ++i)
        if (device.getControl(i) == control) return i + 1;
    return 0;
}

std::vector<std::string> InputBindingChoices::SourceNames() const {
    std::vector<std::string> names{kNone};
    for (const Source& source : sources_) names.push_back(SourceText(*source.control));
    return names;
}

unidevice::Control* InputBindingChoices::SourceAt(int index) const {
    if (index < 1 || index > static_cast<int>(sources_.size())) return nullptr;
    const Source& source = sources_[static_cast<size_t>(index - 1)];
    return Alive(source.device) ? source.control : nullptr;
}

int InputBindingChoices::IndexOfSource(const unidevice::Control* control) const {
    if (control == nullptr) return 0;
    for (size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i].control == control) return static_cast<int>(i) + 1;
    return 0;
}

std::string InputBindingChoices::DeviceText(const unidevice::Device& device) {
    if (device.GetDevIndex() == 0) return device.getName();
    return device.getName() + "(" + std::to_string(device.GetDevIndex()) + ")";
}

std::string InputBindingChoices::SourceText(const unidevice::Control& control) {
    if (control.getDevice() == nullptr) return control.getDescription();
    return DeviceText(*control.getDevice()) + ":" + control.getDescription();
}

bool InputBindingChoices::IsEmulator(const unidevice::Device* device) {
    return device != nullptr && device->getName() == unidevice::BindingDetector::kEmulatorName &&
           device->GetDevIndex() == 0;
}

bool InputBindingChoices::Alive(const unidevice::Device* device) const {
    return device != nullptr && registry_ != nullptr && registry_->IndexOf(device) >= 0;
}

} // namespace vex::orb::core
