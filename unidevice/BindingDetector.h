#pragma once

#include "platform/win32/Window.h"

#include <string>
#include <vector>

namespace vex::unidevice {

class Control;
class DeviceRegistry;
class Property;

/// Binds one input channel to the control the user moves: the logic of the input dialog's detection
/// page, without the dialog. The dialog shows GetMessage() and GetControlText(), runs a timer while
/// GetTimer() names one (every GetTimerPeriod() seconds calling OnTimer1() or OnTimer2()), and
/// calls Accept() when the user takes the control shown.
///
/// A channel that does not take the binary control moved first (a key for a steering channel) asks
/// for a second one: the two make an emulated trinary control of the device "TrinaryEmulator", the
/// first moving it to +1, the second to -1. Accepting also orients the channel: the way the control
/// moved during detection becomes the channel's positive way.
class BindingDetector {
public:
    using HWND = platform::win32::HWND;

    /// Which detection timer runs.
    enum class Timer { kNone, kFirst, kSecond };

    static constexpr double kTimerPeriod = 0.03;
    static constexpr const char* kNoDeviceMessage = "No device detected";
    static constexpr const char* kFirstControlMessage = "Please press or move the control you want to bind";
    static constexpr const char* kSecondControlMessage = "Please press or move another control";
    static constexpr const char* kConfirmMessage = "Use this control?";
    static constexpr const char* kNoControlText = "[NONE]";
    /// The device that makes trinary controls of two binary ones.
    static constexpr const char* kEmulatorName = "TrinaryEmulator";

    /// Detection for `channel`, in the registry's devices. The dialog's `window` goes to the driver
    /// "windriver" while detecting, and the driver gets its former window back when detection ends
    /// (Accept, Cancel, or the detector going away with the dialog).
    BindingDetector(Property& channel, HWND window, DeviceRegistry& registry);
    /// Gives the driver its former window back, if detection still holds it.
    ~BindingDetector();
    BindingDetector(const BindingDetector&) = delete;
    BindingDetector& operator=(const BindingDetector&) = delete;

    /// Begins detecting afresh, with an empty exclude list: all devices stopped and brought to
    /// rest, then timer 1 runs; "No device detected" and no timer when no device responds.
    void Start();
    /// Detects again, ignoring from now on the control detected last as well.
    void Retry();
    /// A tick of timer 1: polls for the first control. Nothing when timer 1 does not run.
    void OnTimer1();
    /// A tick of timer 2: polls for the second control. Nothing when timer 2 does not run.
    void OnTimer2();
    /// Binds the detected control to the channel and orients the channel's multiplier; the devices
    /// are stopped and "windriver" gets its former window back. False, and the channel left as it
    /// was, when nothing was detected.
    bool Accept();
    /// Stops the timers and the devices without binding, and gives "windriver" its former window
    /// back (the dialog closes).
    void Cancel();

    /// The timer that should run now, and its period in seconds.
    Timer GetTimer() const { return timer_; }
    double GetTimerPeriod() const { return kTimerPeriod; }
    /// The instruction shown to the user; empty before Start.
    const std::string& GetMessage() const { return message_; }
    /// The description of the detected control, "[NONE]" when it has none; empty while nothing was
    /// detected.
    const std::string& GetControlText() const { return controlText_; }

    /// The control Accept binds: the first control, or the emulated control made of both.
    Control* GetDetectedControl() const { return detected_; }
    Control* GetFirstControl() const { return first_; }
    Control* GetSecondControl() const { return second_; }
    /// Whether the first control moved toward larger values.
    bool GetDirection() const { return direction_; }
    /// The controls detection ignores.
    const std::vector<Control*>& GetExcluded() const { return exclude_; }

private:
    // Stops, resyncs and starts timer 1, keeping the exclude list.
    void Begin();
    // Gives the dialog's window to "windriver", remembering the window it had.
    void LendWindow();
    // Gives "windriver" back the window it had before detection, unless someone replaced the dialog's.
    void ReturnWindow();
    // The first control was found: show it, and ask for a second one when the channel needs it.
    void FirstFound(Control* control);
    // The second control was found: make the emulated control of both.
    void SecondFound(Control* control);
    // The emulated control with `positive` and `negative` as sources; null when there is no emulator.
    Control* EmulatedControl(const Control& positive, const Control& negative) const;
    // Shows `control` as the one to accept.
    void Show(Control* control);

    Property& channel_;
    HWND window_;
    DeviceRegistry& registry_;
    Timer timer_ = Timer::kNone;
    std::string message_;
    std::string controlText_;
    std::vector<Control*> exclude_;
    Control* first_ = nullptr;
    Control* second_ = nullptr;
    Control* detected_ = nullptr;
    Control* last_ = nullptr;
    bool direction_ = true;
    bool windowLent_ = false;
    HWND formerWindow_ = nullptr;
};

} // namespace vex::unidevice
