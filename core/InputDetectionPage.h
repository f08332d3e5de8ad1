#pragma once

#include "core/LayoutWindow.h"
#include "core/TimerManager.h"
#include "unidevice/BindingDetector.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vex::gui::componentinterface {
class Label;
} // namespace vex::gui::componentinterface

namespace vex::unidevice {
class Property;
} // namespace vex::unidevice

namespace vex::orb::core {

/// The detection page of the input configuration dialog (layout "orb_inputs_detect.xml"): it binds
/// one channel to the control the user moves or the keys the user presses next. It shows the
/// detector's instruction and the control found, runs the detector's two timers, and offers "Use this
/// control", "Retry" and "Cancel". Without widgets it keeps the same state headless.
class InputDetectionPage : public TimerManager, public LayoutWindow {
public:
    /// Told when the page closes: true when a control was bound.
    using Finished = std::function<void(bool bound)>;

    /// The timers that run the detector's first and second search.
    static constexpr int32_t kFirstTimer = 1;
    static constexpr int32_t kSecondTimer = 2;
    /// The layout and its components.
    static constexpr const char* kLayout = "orb_inputs_detect.xml";
    static constexpr int32_t kChannelLabel = 10;
    static constexpr int32_t kMessageLabel = 11;
    static constexpr int32_t kControlLabel = 12;
    static constexpr int32_t kAcceptButton = 20;
    static constexpr int32_t kRetryButton = 21;
    static constexpr int32_t kCancelButton = 22;

    explicit InputDetectionPage(Finished finished) : LayoutWindow(kLayout), finished_(std::move(finished)) {}
    /// Cancels a detection still running.
    ~InputDetectionPage() override;

    /// Opens the page for `channel` and starts detecting; a detection already running is cancelled.
    void Open(unidevice::Property& channel);
    /// Whether the page is open.
    bool IsOpen() const { return detector_ != nullptr; }
    /// "Use this control": binds the control found and closes; nothing while none was found.
    void Accept();
    /// "Retry": detects again, ignoring the control found last.
    void Retry();
    /// "Cancel": closes without binding.
    void Cancel();

    /// The instruction and the control found, as shown.
    std::string GetMessage() const;
    std::string GetControlText() const;
    /// The detector while the page is open, else null.
    const unidevice::BindingDetector* GetDetector() const { return detector_.get(); }

    /// Timers 1 and 2: one search step of the detector.
    void OnTimer(int32_t timerId, uint32_t tickCount) override;
    /// The page's events: its three buttons, and the window closed (as Cancel).
    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;

private:
    // Runs the timer the detector asks for, and no other.
    void RunTimers();
    // Puts the detector's state on the widgets, if there are any.
    void ShowState();
    // Closes the page, telling the dialog whether a control was bound.
    void Finish(bool bound);

    Finished finished_;
    std::unique_ptr<unidevice::BindingDetector> detector_;
    std::string channelName_;
    unidevice::BindingDetector::Timer running_ = unidevice::BindingDetector::Timer::kNone;
    gui::componentinterface::Label* channelLabel_ = nullptr;
    gui::componentinterface::Label* messageLabel_ = nullptr;
    gui::componentinterface::Label* controlLabel_ = nullptr;
    gui::Component* acceptButton_ = nullptr;
};

} // namespace vex::orb::core
