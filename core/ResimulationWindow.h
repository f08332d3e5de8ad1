#pragma once

#include "core/LayoutWindow.h"
#include "core/TimerManager.h"

#include <cstdint>
#include <string>

namespace vex::gui::componentinterface {
class CheckBox;
class Label;
class Progressbar;
} // namespace vex::gui::componentinterface

namespace vex::orb::core {

class RecordManager;

/// The progress window of a re-simulation (layout "orb_resimulate.xml"): the frame reached, a progress
/// bar (0 to 100 %), an estimate of the time left, the "Update viewport" box and "Stop". Its timer
/// (id 1, once a second) drives the re-simulation slice by slice, so the user interface stays
/// responsive. Without widgets it keeps the same state headless.
class ResimulationWindow : public TimerManager, public LayoutWindow {
public:
    /// The timer that advances the re-simulation.
    static constexpr int32_t kSliceTimer = 1;
    /// Least wall-clock milliseconds between two viewport updates.
    static constexpr uint32_t kViewportInterval = 2000;
    /// The layout and its components.
    static constexpr const char* kLayout = "orb_resimulate.xml";
    static constexpr int32_t kStopButton = 99;
    static constexpr int32_t kProgressBar = 100;
    static constexpr int32_t kFrameLabel = 101;
    static constexpr int32_t kRemainingLabel = 102;
    static constexpr int32_t kUpdateViewportBox = 112;

    explicit ResimulationWindow(RecordManager& manager) : LayoutWindow(kLayout), manager_(manager) {}

    /// Opens the window for a run starting at frame `startFrame` and starts the slice timer.
    /// "Update viewport" is offered only when `viewportOffered`; otherwise it is disabled and off.
    void Open(int startFrame, bool viewportOffered);
    /// Stops the slice timer and closes the window.
    void Close();
    /// Whether the window is open.
    bool IsOpen() const { return open_; }
    /// The "Stop" button: ends the re-simulation at once.
    void Stop();

    /// The "Update viewport" box: ignored while it is disabled.
    void SetUpdateViewport(bool on);
    bool GetUpdateViewport() const { return updateViewport_; }
    bool IsUpdateViewportEnabled() const { return updateViewportEnabled_; }
    /// The progress bar, 0 to 1.
    float GetProgressBar() const { return progressBar_; }
    /// The frame text and the estimate of the remaining time, as last refreshed.
    const std::string& GetFrameText() const { return frameText_; }
    const std::string& GetRemainingText() const { return remainingText_; }

    /// Timer 1: refreshes the window and advances the re-simulation by one slice.
    void OnTimer(int32_t timerId, uint32_t tickCount) override;
    /// The window's events: "Stop" clicked or the window closed, "Update viewport" changed.
    void receive(util::Message& message, bool broadcast) override;

protected:
    void Built() override;

private:
    void RefreshTexts(uint32_t tickCount);
    // Puts the window's state on its widgets, if it has any.
    void ShowProgress();
    void ShowTexts();
    void ShowUpdateViewport();

    RecordManager& manager_;
    bool open_ = false;
    bool updateViewport_ = false;
    bool updateViewportEnabled_ = false;
    float progressBar_ = 0.0f;
    int startFrame_ = 0;
    uint32_t openTick_ = 0;
    uint32_t lastViewportTick_ = 0;
    std::string frameText_;
    std::string remainingText_;
    gui::componentinterface::Progressbar* bar_ = nullptr;
    gui::componentinterface::Label* frameLabel_ = nullptr;
    gui::componentinterface::Label* remainingLabel_ = nullptr;
    gui::componentinterface::CheckBox* updateViewportBox_ = nullptr;
};

} // namespace vex::orb::core
