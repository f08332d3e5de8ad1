#include "core/ResimulationWindow.h"

#include "core/RecordManager.h"
#include "gui/componentinterface/Button.h"
#include "gui/componentinterface/CheckBox.h"
#include "gui/componentinterface/Dialog.h"
#include "gui/componentinterface/Label.h"
#include "gui/componentinterface/Progressbar.h"
#include "platform/win32/Clock.h"

#include <cmath>

namespace vex::orb::core {

namespace {

using gui::componentinterface::CheckBox;

// The progress bar counts in percent.
constexpr int kBarMaximum = 100;

} // namespace

void ResimulationWindow::Open(int startFrame, bool viewportOffered) {
    startFrame_ = startFrame;
    updateViewportEnabled_ = viewportOffered;
    if (!viewportOffered) updateViewport_ = false;
    progressBar_ = 0.0f;
    openTick_ = lastViewportTick_ = platform::win32::GetTickCount();
    open_ = true;
    RefreshTexts(openTick_);
    ShowWindow();
    ShowUpdateViewport();
    ShowProgress();
    SetTimer(kSliceTimer, 1.0);
}

void ResimulationWindow::Close() {
    KillTimer(kSliceTimer);
    open_ = false;
    HideWindow();
}

void ResimulationWindow::Stop() {
    manager_.FinishResimulation();
}

void ResimulationWindow::SetUpdateViewport(bool on) {
    if (updateViewportEnabled_) updateViewport_ = on;
    ShowUpdateViewport();
}

void ResimulationWindow::OnTimer(int32_t timerId, uint32_t tickCount) {
    if (timerId != kSliceTimer || !manager_.IsResimulating()) return;
    if (!updateViewport_) RefreshTexts(tickCount);
    progressBar_ = manager_.GetProgress();
    ShowProgress();
    if (manager_.ResimulateSlice()) return;
    const uint32_t now = platform::win32::GetTickCount();
    if (updateViewport_ && now - lastViewportTick_ >= kViewportInterval) {
        lastViewportTick_ = now;
        RefreshTexts(now);
        manager_.ShowResimulationCursor();
    }
}

void ResimulationWindow::receive(util::Message& message, bool broadcast) {
    LayoutWindow::receive(message, broadcast);
    // Closing the window through the window system ends the run as "Stop" does: a run without its
    // window could not be stopped any more.
    if ((message.code == gui::componentinterface::Button::kClicked && message.parameter == kStopButton) ||
        (message.code == gui::componentinterface::Dialog::kClosed && open_)) {
        Stop();
    } else if (message.code == CheckBox::kStateChanged && message.parameter == kUpdateViewportBox) {
        SetUpdateViewport(message.value == static_cast<int64_t>(CheckBox::State::kTrue));
    }
}

void ResimulationWindow::Built() {
    bar_ = Find<gui::componentinterface::Progressbar>(kProgressBar);
    frameLabel_ = Find<gui::componentinterface::Label>(kFrameLabel);
    remainingLabel_ = Find<gui::componentinterface::Label>(kRemainingLabel);
    updateViewportBox_ = Find<CheckBox>(kUpdateViewportBox);
    if (bar_ != nullptr) bar_->SetRange(0, kBarMaximum);
}

void ResimulationWindow::RefreshTexts(uint32_t tickCount) {
    const int current = manager_.GetFrameIndexOf(manager_.GetResimulationCursor());
    const int last = manager_.GetFrameIndexOf(manager_.GetEndTime());
    frameText_ = "Frame " + std::to_string(current) + " (" + std::to_string(startFrame_) + " to " +
                 std::to_string(last) + ")";
    // The remaining time follows from the time spent so far and the share of the work done.
    const float progress = manager_.GetProgress();
    const double spent = static_cast<double>(tickCount - openTick_) / 1000.0;
    if (progress > 0.0f && progress < 1.0f) {
        const double remaining = spent * (1.0 - progress) / progress;
        remainingText_ = std::to_string(static_cast<int>(remaining + 0.5)) + " s remaining";
    } else {
        remainingText_.clear();
    }
    ShowTexts();
}

void ResimulationWindow::ShowProgress() {
    if (bar_ != nullptr) bar_->SetValue(static_cast<int>(std::lround(progressBar_ * kBarMaximum)));
}

void ResimulationWindow::ShowTexts() {
    if (frameLabel_ != nullptr) frameLabel_->SetText(frameText_);
    // Before any progress there is nothing to estimate from.
    if (remainingLabel_ != nullptr)
        remainingLabel_->SetText(remainingText_.empty() ? "Estimating the time left" : remainingText_);
}

void ResimulationWindow::ShowUpdateViewport() {
    if (updateViewportBox_ == nullptr) return;
    auto* box = dynamic_cast<gui::Component*>(updateViewportBox_);
    if (box != nullptr) box->SetEnabled(updateViewportEnabled_);
    const CheckBox::State state = updateViewport_ ? CheckBox::State::kTrue : CheckBox::State::kFalse;
    if (updateViewportBox_->GetState() != state) updateViewportBox_->SetState(state);
}

} // namespace vex::orb::core
