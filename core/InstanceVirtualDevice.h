#pragma once

#include "unidevice/Control.h"
#include "unidevice/Device.h"

#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core {

/// The input device of one tool instance: its controls are the tool's outputs, so that other
/// instances can bind their channels to them. It lists itself with the device registry under the
/// driver "dummydriver". The instance owns it: the registry's shutdown only lets go of it.
class InstanceVirtualDevice : public unidevice::Device {
public:
    /// A control of the device: an unbounded value the owning instance writes on every step.
    class VirtualControl : public unidevice::Control {
    public:
        /// A control of `device` described as `description`, at `index` within the device.
        VirtualControl(InstanceVirtualDevice* device, const std::string& description, int index);
    };

    /// A device named `name`, registered and attached to "dummydriver" when that driver exists.
    explicit InstanceVirtualDevice(const std::string& name);
    ~InstanceVirtualDevice() override;

    /// Nothing: the instance owns the device, not the registry.
    void destroy() override {}
    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    unidevice::Control* getControl(int index) override;
    /// The values are written by the instance; nothing to read. True.
    bool update(HWND window) override;
    /// Nothing to restart. True.
    bool resync(HWND window) override;
    unidevice::Control* detectChange(std::span<unidevice::Control* const> exclude, HWND window) override;
    void clearValues() override { Device::clearValues(); }

    /// Appends a control described as `description`; returns its index.
    int AddVirtualControl(const std::string& description);

private:
    std::vector<std::unique_ptr<VirtualControl>> controls_;
};

} // namespace vex::orb::core
