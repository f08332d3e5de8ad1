#include "core/InputDetectionPage.h"

#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Label.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Property.h"

namespace vex::orb::core {

namespace {

using Timer = unidevice::BindingDetector::Timer;

} // namespace

InputDetectionPage::~InputDetectionPage() {
    if (detector_ != nullptr) detector_->Cancel();
}

void InputDetectionPage::Open(unidevice::Property& channel) {
    if (detector_ != nullptr) detector_->Cancel();
    channelName_ = channel.getName();
    // The 3D mouse listens on its own window while detecting: the page has no native handle to lend.
    detector_ =
        std::make_unique<unidevice::BindingDetector>(channel, nullptr, unidevice::DeviceRegistry::Instance());
    detector_->Start();
    RunTimers();
    ShowWindow();
    ShowState();
}

void InputDetectionPage::Accept() {
    if (detector_ == nullptr || detector_->GetDetectedControl() == nullptr) return;
    Finish(detector_->Accept());
}

void InputDetectionPage::Retry() {
    if (detector_ == nullptr) return;
    detector_->Retry();
    RunTimers();
    ShowState();
}

void InputDetectionPage::Cancel() {
    if (detector_ == nullptr) return;
    detector_->Cancel();
    Finish(false);
}

std::string InputDetectionPage::GetMessage() const {
    return detector_ != nullptr ? detector_->GetMessage() : std::string();
}

std::string InputDetectionPage::GetControlText() const {
    return detector_ != nullptr ? detector_->GetControlText() : std::string();
}

void InputDetectionPage::OnTimer(int32_t timerId, uint32_t /*tickCount*/) {
    if (detector_ == nullptr) return;
    if (timerId == kFirstTimer)
        detector_->OnTimer1();
    else if (timerId == kSecondTimer)
        detector_->OnTimer2();
    else
        return;
    RunTimers();
    ShowState();
}

void InputDetectionPage::receive(util::Message& message, bool broadcast) {
    LayoutWindow::receive(message, broadcast);
    if (message.code == gui::componentinterface::Button::kClicked) {
        if (message.parameter == kAcceptButton)
            Accept();
        else if (message.parameter == kRetryButton)
            Retry();
        else if (message.parameter == kCancelButton)
            Cancel();
    } else if (message.code == gui::componentinterface::Dialog::kClosed) {
        Cancel(); // closed by the window system: nothing is bound
    }
}

void InputDetectionPage::Built() {
    channelLabel_ = Find<gui::componentinterface::Label>(kChannelLabel);
    messageLabel_ = Find<gui::componentinterface::Label>(kMessageLabel);
    controlLabel_ = Find<gui::componentinterface::Label>(kControlLabel);
    acceptButton_ = GetRoot()->FindById(kAcceptButton);
}

void InputDetectionPage::RunTimers() {
    const Timer wanted = detector_ != nullptr ? detector_->GetTimer() : Timer::kNone;
    if (wanted == running_) return;
    KillTimer(kFirstTimer);
    KillTimer(kSecondTimer);
    running_ = wanted;
    if (wanted == Timer::kFirst) SetTimer(kFirstTimer, detector_->GetTimerPeriod());
    if (wanted == Timer::kSecond) SetTimer(kSecondTimer, detector_->GetTimerPeriod());
}

void InputDetectionPage::ShowState() {
    if (channelLabel_ != nullptr) channelLabel_->SetText("Channel: " + channelName_);
    if (messageLabel_ != nullptr) messageLabel_->SetText(GetMessage());
    // An empty label would collapse and make the page jump when a control is found.
    const std::string control = GetControlText();
    if (controlLabel_ != nullptr) controlLabel_->SetText(control.empty() ? " " : control);
    if (acceptButton_ != nullptr)
        acceptButton_->SetEnabled(detector_ != nullptr && detector_->GetDetectedControl() != nullptr);
}

void InputDetectionPage::Finish(bool bound) {
    running_ = Timer::kNone;
    KillTimer(kFirstTimer);
    KillTimer(kSecondTimer);
    // The detector goes after the window is hidden: hiding may send the page's closed event.
    std::unique_ptr<unidevice::BindingDetector> detector = std::move(detector_);
    HideWindow();
    detector.reset();
    if (finished_) finished_(bound);
}

} // namespace vex::orb::core
