#pragma once

#include "unidevice/Device.h"

#include <vector>

namespace vex::unidevice {

class EmulatedTControl;

/// The device "TrinaryEmulator", which owns the emulated trinary controls (EmulatedTControl) and
/// builds them on demand: from two controls when the user binds a pair, or from a stored identity
/// element when a binding is looked up (so the registry's findControl builds them too). It reads no
/// hardware and never reports a change itself.
class EmulatedTrinaryDevice : public Device {
public:
    /// Registers the device and attaches it to "dummydriver".
    EmulatedTrinaryDevice();
    /// Destroys the emulated controls.
    ~EmulatedTrinaryDevice() override;

    int getControlCount() const override { return static_cast<int>(controls_.size()); }
    Control* getControl(int index) override;
    /// Nothing to poll. True.
    bool update(HWND window) override;
    /// Brings the emulated controls to rest. False: the device is no responding device.
    bool resync(HWND window) override;
    /// Null: the sources report their own changes.
    Control* detectChange(std::span<Control* const> exclude, HWND window) override;
    void clearValues() override;
    /// An existing emulated control the element denotes, else one built from the element's two
    /// nested source elements (resolved through the registry, taken in either order by their
    /// "te_direction"). Null when a source is missing or cannot be found.
    Control* findControl(const util::xml::Element& element) override;

    /// The emulated control of `positive` and `negative`: an existing one with the same sources, or
    /// a new one. Null when either is null.
    EmulatedTControl* MakeControl(Control* positive, Control* negative);

private:
    std::vector<EmulatedTControl*> controls_; // owned
};

} // namespace vex::unidevice
