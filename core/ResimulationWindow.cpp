#include "core/ResimulationWindow.h"

#include "core/RecordManager.h"
#include "platform/win32/Clock.h"

namespace vex::orb::core {

void ResimulationWindow::Open(int startFrame, bool viewportOffered) {
    startFrame_ = startFrame;
    updateViewportEnabled_ = viewportOffered;
    if (!viewportOffered) updateViewport_ = false;
    progressBar_ = 0.0f;
    openTick_ = lastViewportTick_ = platform::win32::GetTickCount();
    open_ = true;
    RefreshTexts(openTick_);
    SetTimer(kSliceTimer, 1.0);
}

void ResimulationWindow::Close() {
    KillTimer(kSliceTimer);
    open_ = false;
}

void ResimulationWindow::Stop() {
    manager_.FinishResimulation();
}

void ResimulationWindow::SetUpdateViewport(bool on) {
    if (updateViewportEnabled_) updateViewport_ = on;
}

void ResimulationWindow::OnTimer(int32_t timerId, uint32_t tickCount) {
    if (timerId != kSliceTimer || !manager_.IsResimulating()) return;
    if (!updateViewport_) RefreshTexts(tickCount);
    progressBar_ = manager_.GetProgress();
    if (manager_.ResimulateSlice()) return;
    const uint32_t now = platform::win32::GetTickCount();
    if (updateViewport_ && now - lastViewportTick_ >= kViewportInterval) {
        lastViewportTick_ = now;
        RefreshTexts(now);
        manager_.ShowResimulationCursor();
    }
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
}

} // namespace vex::orb::core
