#pragma once

#include <string>
#include <vector>

namespace vex::unidevice {
class Control;
class Device;
class DeviceRegistry;
} // namespace vex::unidevice

namespace vex::orb::core {

/// What the binding lists of the input configuration dialog offer: the devices of the registry (the
/// instance's own outputs left out, so a channel cannot feed on itself), the controls of one device,
/// and the binary controls of every device as the sources of an emulated trinary control. Each list
/// starts with "[none]" at index 0. Devices may go while the lists are shown, so every look-up checks
/// that the device is still registered.
class InputBindingChoices {
public:
    /// The first entry of every list: no binding.
    static constexpr const char* kNone = "[none]";

    /// Re-reads the devices and sources of `registry`, leaving out `own` (may be null).
    void Refresh(const unidevice::DeviceRegistry& registry, const unidevice::Device* own);

    /// "[none]", then every device's name (with its devindex in brackets when it is not 0).
    std::vector<std::string> DeviceNames() const;
    /// The device at `index` of DeviceNames(); null for "[none]", out of range or a device gone.
    unidevice::Device* DeviceAt(int index) const;
    /// The index of `device` in DeviceNames(); 0 for null or a device not listed.
    int IndexOfDevice(const unidevice::Device* device) const;

    /// "[none]", then the description of every control of `device` in its order.
    static std::vector<std::string> ControlNames(unidevice::Device& device);
    /// The control at `index` of ControlNames(device); null for "[none]" or out of range.
    static unidevice::Control* ControlAt(unidevice::Device& device, int index);
    /// The index of `control` in ControlNames(device); 0 when it is not a control of `device`.
    static int IndexOfControl(unidevice::Device& device, const unidevice::Control* control);

    /// "[none]", then "Device:description" of every source.
    std::vector<std::string> SourceNames() const;
    /// The source at `index` of SourceNames(); null for "[none]", out of range or a device gone.
    unidevice::Control* SourceAt(int index) const;
    /// The index of `control` in SourceNames(); 0 for null or a control not listed.
    int IndexOfSource(const unidevice::Control* control) const;

    /// "Name" or "Name(devindex)" for a devindex other than 0.
    static std::string DeviceText(const unidevice::Device& device);
    /// "Device:description" (the description alone for a control without a device).
    static std::string SourceText(const unidevice::Control& control);
    /// Whether `device` is the device that makes emulated trinary controls.
    static bool IsEmulator(const unidevice::Device* device);

private:
    // Whether `device` is still registered.
    bool Alive(const unidevice::Device* device) const;

    const unidevice::DeviceRegistry* registry_ = nullptr;
    std::vector<unidevice::Device*> devices_;
    struct Source {
        unidevice::Device* device;
        unidevice::Control* control;
    };
    std::vector<Source> sources_;
};

} // namespace vex::orb::core
