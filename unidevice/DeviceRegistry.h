#pragma once

#include "util/Singleton.h"
#include "util/xml/Element.h"

#include <span>
#include <string>
#include <vector>

namespace vex::unidevice {

class Control;
class Device;
class Driver;

/// The process-wide list of input drivers and devices, each in registration order, created on first
/// use. It owns them: shutdown (or the registry's end) destroys them. Drivers and devices list
/// themselves when they are constructed and unlist themselves when they are destroyed.
class DeviceRegistry : public util::Singleton<DeviceRegistry> {
public:
    DeviceRegistry(const DeviceRegistry&) = delete;
    DeviceRegistry& operator=(const DeviceRegistry&) = delete;

    /// The first driver named exactly `name`, or null.
    Driver* findDriver(const std::string& name) const;
    /// The first device with that name and devindex, or null.
    Device* findDevice(const std::string& name, int devindex) const;
    /// The first device whose identity part `element` matches (Device::matches), or null.
    Device* findDevice(const util::xml::Element& element) const;
    /// The control an identity element denotes: asked of every matching device in order, the first
    /// found wins; null if none.
    Control* findControl(const util::xml::Element& element) const;
    /// The control that moved furthest across all drivers (see Driver::detectChange), the earliest
    /// driver winning a tie; null when no device is registered or nothing moved.
    Control* detectChange(std::span<Control* const> exclude = {}) const;

    /// Polls every driver once, in order.
    void updateAll() const;
    /// Starts every driver; true when all succeeded.
    bool startAll() const;
    /// Stops every driver; true when all succeeded.
    bool stopAll() const;
    /// Resyncs every driver's devices; returns how many devices succeeded.
    int resyncAll() const;
    /// Sets both values of every control of every device to 0.
    void clearAll() const;

    /// Lists an unregistered `device` at `position` (0 to the device count) and gives it the
    /// smallest free devindex of its name. False, and nothing done, for a position out of range or a
    /// device that is already listed.
    bool InsertDevice(Device* device, int position);
    /// Position of `device` in the device list, or -1.
    int IndexOf(const Device* device) const;
    int getDeviceCount() const { return static_cast<int>(devices_.size()); }
    /// The device at `index`, or null when out of range.
    Device* getDevice(int index) const;
    int GetDriverCount() const { return static_cast<int>(drivers_.size()); }
    /// The driver at `index`, or null when out of range.
    Driver* GetDriver(int index) const;

    /// Destroys the devices last first, lets go of any that stay (a device whose destroy does not
    /// delete it), then does the same with the drivers. The registry is empty afterwards and can be
    /// filled again; the core calls this when it shuts down, tests to start afresh.
    void Shutdown();

private:
    friend class util::Singleton<DeviceRegistry>;
    friend class Device; // lists and unlists itself
    friend class Driver; // lists and unlists itself

    DeviceRegistry() = default;
    ~DeviceRegistry();

    void AppendDevice(Device* device);
    void UnlistDevice(Device* device);
    void AppendDriver(Driver* driver);
    void UnlistDriver(Driver* driver);
    void AssignDevIndex(Device* device) const;

    std::vector<Driver*> drivers_;
    std::vector<Device*> devices_;
};

} // namespace vex::unidevice
