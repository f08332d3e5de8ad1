#pragma once

#include "platform/win32/Window.h"
#include "util/DynamicObject.h"
#include "util/xml/Element.h"

#include <span>
#include <string>

namespace vex::unidevice {

class Control;
class DeviceRegistry;
class Driver;

/// Base of every input device: a named set of controls that a driver polls. Devices of equal name
/// are told apart by their devindex: 0 for the first registered, 1 for the second, and so on.
///
/// W in the operations below is the window handle the device's driver passes (null from the dummy
/// driver).
class Device : public util::DynamicObject {
public:
    using HWND = platform::win32::HWND;

    /// A device named `name`. With `registered` it is appended to the registry's device list now and
    /// takes the smallest devindex no registered device of that name has; otherwise it is in no
    /// registry (until DeviceRegistry::InsertDevice) and has devindex 0.
    explicit Device(std::string name, bool registered = true);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    /// Deletes the device.
    virtual void destroy() { delete this; }
    /// Takes the device off its registry's list and its driver's list.
    ~Device() override;
    /// Writes the device part of an identity element into `element`: "device" and, when not 0,
    /// "devindex". Returns `element`.
    virtual util::xml::Element& toXml(util::xml::Element& element) const;
    /// Number of controls.
    virtual int getControlCount() const = 0;
    /// The control at `index`, or null when out of range.
    virtual Control* getControl(int index) = 0;
    /// Polls the hardware once: every control gets its new value. False when it could not be read;
    /// the controls then keep their values.
    virtual bool update(HWND window) = 0;
    /// The first control, in getControl order, that `element` denotes; null if none.
    virtual Control* findControl(const util::xml::Element& element);
    /// (Re)starts the device and brings its controls to rest, so that the next detection sees no
    /// change. True on success.
    virtual bool resync(HWND window) = 0;
    /// Polls once and returns the control that moved furthest beyond its threshold, ignoring those in
    /// `exclude`; the earliest wins a tie; null when none moved or the poll failed. The base implements this
    /// for every device: overrides call it unless the device never reports changes.
    virtual Control* detectChange(std::span<Control* const> exclude, HWND window) = 0;
    /// Sets both values of every control to 0; the base implements it for every device.
    virtual void clearValues() = 0;
    /// Begins delivery (hooks, acquisition). True on success.
    virtual bool start(HWND window);
    /// Ends delivery. True on success.
    virtual bool stop(HWND window);

    /// Whether the device part of an identity element denotes this device. A missing or empty
    /// "device" means any device, and then "devindex", when given, must equal the devindex;
    /// otherwise "device" must equal the name exactly and "devindex", when given and not empty, the
    /// devindex. Without "devindex" a binding finds the first device of that name.
    bool matches(const util::xml::Element& element) const;

    /// Moves the device from its driver to `driver` (null: no driver, never polled).
    void setDriver(Driver* driver);

    /// Product name, e.g. "Keyboard".
    const std::string& getName() const { return name_; }
    int GetDevIndex() const { return devindex_; }
    /// The registry that lists the device, or null.
    DeviceRegistry* GetRegistry() const { return registry_; }
    /// The driver that polls the device, or null.
    Driver* GetDriver() const { return driver_; }

private:
    friend class DeviceRegistry; // lists and unlists devices
    friend class Driver;         // lets go of its devices when it goes

    std::string name_;
    int devindex_ = 0;
    DeviceRegistry* registry_ = nullptr;
    Driver* driver_ = nullptr;
};

} // namespace vex::unidevice
