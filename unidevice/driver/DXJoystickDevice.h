#pragma once

#include "platform/dinput/IDirectInput8A.h"
#include "platform/dinput/IDirectInputDevice8A.h"
#include "platform/dinput/Structures.h"
#include "unidevice/Control.h"
#include "unidevice/Device.h"
#include "unidevice/driver/DXAxisControl.h"

#include <deque>

namespace vex::unidevice::driver {

/// A DirectInput game controller (joystick, wheel, pedals, gamepad), polled by "dummydriver". Its
/// controls, in getControl order: the axes, the sliders, the two halves of each POV hat (X, then Y)
/// and the buttons. Axes, sliders and hats are sorted by description; buttons keep the device's
/// order. All controls have threshold 0.1; axes and sliders read -1..1, hat halves -1, 0 or 1,
/// buttons 0 or 1.
///
/// The device is acquired, exclusively and in the background, from construction to destruction,
/// so it is read while the host window is not in front.
class DXJoystickDevice : public Device {
public:
    /// Registers the device under the instance's product name, attaches it to "dummydriver" and
    /// counts it; then opens it through the process-wide DirectInput object with `window` and builds
    /// its controls. A device that cannot be opened stays registered without controls.
    DXJoystickDevice(const platform::dinput::DIDEVICEINSTANCEA& instance, HWND window);
    /// Unacquires and releases the device; the last controller to go releases the process-wide
    /// DirectInput object. Then the controls go, telling their targets.
    ~DXJoystickDevice() override;

    int getControlCount() const override;
    Control* getControl(int index) override;
    /// Polls the device and reads every control. When the state cannot be read (unplugged,
    /// acquisition lost) the device is acquired again, which finds the controller once it is
    /// plugged back in; false, and every value kept, while it stays away.
    bool update(HWND window) override;
    /// Starts the device, then polls it 1001 times so that buffered input is flushed and previous
    /// equals current; returns the last poll's result.
    bool resync(HWND window) override;
    Control* detectChange(std::span<Control* const> exclude, HWND window) override;
    void clearValues() override;

    /// The process-wide DirectInput object the controllers are opened through; null when none.
    static platform::dinput::IDirectInput8A* GetDirectInput() { return directInput_; }
    /// Sets it; the controllers release it when the last of them goes.
    static void SetDirectInput(platform::dinput::IDirectInput8A* directInput) { directInput_ = directInput; }
    /// Number of controllers alive.
    static int GetLiveCount() { return liveCount_; }

private:
    struct Found; // objects collected during enumeration

    static platform::dinput::BOOL OnObject(platform::dinput::LPCDIDEVICEOBJECTINSTANCEA object, void* found);
    void Build(Found& found);
    // Polls and reads the device's state; false when it cannot be read.
    bool ReadState(platform::dinput::DIJOYSTATE2& state);

    std::deque<DXAxisControl> axes_;
    std::deque<Control> hats_;
    std::deque<Control> buttons_;
    std::deque<Control> sliders_;
    platform::dinput::IDirectInputDevice8A* device_ = nullptr;

    static platform::dinput::IDirectInput8A* directInput_;
    static int liveCount_;
};

} // namespace vex::unidevice::driver
