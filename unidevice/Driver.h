#pragma once

#include "platform/win32/Window.h"

#include <span>
#include <string>
#include <vector>

namespace vex::unidevice {

class Control;
class Device;
class DeviceRegistry;

/// Polls an ordered list of devices (not owned), passing each device call its window handle.
/// Constructing a driver appends it to the registry's driver list; destroying it takes it off that
/// list and leaves its devices without a driver.
class Driver {
public:
    using HWND = platform::win32::HWND;

    /// A driver named `name`, registered now.
    explicit Driver(std::string name);
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    /// Polls every device once, in order. Always true.
    virtual bool update();
    /// Resyncs every device; returns how many succeeded.
    virtual int resyncDevices();
    /// Asks every device in order for its furthest-moved control (see Device::detectChange) and
    /// returns the one that moved furthest; the earliest device wins a tie; null when none moved.
    virtual Control* detectChange(std::span<Control* const> exclude);
    /// Appends `device`. True.
    virtual bool addDevice(Device* device);
    /// Removes the first occurrence of `device`; false when it is not in the list.
    virtual bool removeDevice(Device* device);
    /// The device at `index`, or null when out of range.
    virtual Device* getDevice(int index) const;
    virtual int getDeviceCount() const;
    /// Starts every device, also after a failure; true when all succeeded (or there are none).
    virtual bool start();
    /// Stops every device the same way.
    virtual bool stop();
    /// Leaves the devices without a driver and takes the driver off the registry's list.
    virtual ~Driver();
    /// Deletes the driver.
    virtual void destroy() { delete this; }

    /// The window handle passed to device calls; null unless a driver has a window.
    virtual HWND GetWindow() const { return nullptr; }

    /// The driver's name, which devices and the core look it up by.
    const std::string& getName() const { return name_; }
    /// The registry the driver is listed in, or null after the registry let go of it.
    DeviceRegistry* GetRegistry() const { return registry_; }

private:
    friend class DeviceRegistry; // lets go of drivers it cannot destroy

    std::string name_;
    DeviceRegistry* registry_ = nullptr;
    std::vector<Device*> devices_;
};

} // namespace vex::unidevice
