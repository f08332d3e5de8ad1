#pragma once

#include "platform/win32/Hooks.h"
#include "unidevice/Control.h"
#include "unidevice/Device.h"

#include <vector>

namespace vex::unidevice {

/// The keyboard "Keyboard": one binary control per Windows virtual-key code (256), fed by a
/// WH_KEYBOARD hook on the host's main thread while the device is started. Named keys come first in
/// getControl order (arrows, editing keys, digits, letters, punctuation, Windows keys, number pad,
/// F1..F24, menu keys), then the unnamed codes in ascending order. A key's type and description are
/// its name; a key without a name is called "Key_<code>" (its virtual-key code in decimal), so every
/// key has an identity of its own.
class WINHOOK_KeyboardDevice : public Device {
public:
    /// Number of virtual-key codes, and so of controls.
    static constexpr int kKeyCount = 256;

    /// Builds the 256 key controls and attaches to "dummydriver" when it is registered. `module` is
    /// the plug-in module the hook is installed for.
    explicit WINHOOK_KeyboardDevice(platform::win32::HINSTANCE module = nullptr);
    /// Removes the hook if it is installed.
    ~WINHOOK_KeyboardDevice() override;

    int getControlCount() const override { return static_cast<int>(order_.size()); }
    Control* getControl(int index) override;
    /// Values arrive through the hook: nothing to poll. True.
    bool update(HWND window) override;
    /// Clears the keys and (re)installs the hook. True.
    bool resync(HWND window) override;
    Control* detectChange(std::span<Control* const> exclude, HWND window) override;
    void clearValues() override;
    /// Clears the keys, then installs the hook for the calling thread. False when it cannot be
    /// installed.
    bool start(HWND window) override;
    /// Removes the hook. True.
    bool stop(HWND window) override;

    /// The control of virtual-key code `code`, or null outside 0..255.
    Control* GetKey(int code);
    /// Whether the hook is installed.
    bool IsHooked() const { return hook_ != nullptr; }

    /// The hook procedure as the thread's chain calls it: a key event (HC_ACTION or HC_NOREMOVE)
    /// sets its key to 1, or 0 when bit 31 of the key data says it goes up. The event always goes on
    /// down the chain.
    static platform::win32::LRESULT HookProcedure(int code, platform::win32::WPARAM wParam,
                                                  platform::win32::LPARAM lParam);

private:
    void Unhook();

    platform::win32::HINSTANCE module_;
    platform::win32::HHOOK hook_ = nullptr;
    std::vector<Control> keys_;   // indexed by virtual-key code; never reallocated
    std::vector<Control*> order_; // getControl order
};

} // namespace vex::unidevice
