#pragma once

#include "core/CoreSubSystem.h"
#include "core/TimerManager.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::core {

class CoreNode;
class CountDownWindow;
class Instance;
class ResimulationWindow;

/// The real-time loop: recording live input into the scene and re-simulating recorded takes.
///
/// A recording counts down, then on every tick (timer 123, once per frame duration of wall-clock
/// time) polls the input drivers once and steps every recorded instance at the frames the simulated clock
/// passed, at most three per tick; the simulated clock is wall-clock time divided by the slow factor
/// and the host's time follows it. The whole take is one undo group "Record". A re-simulation steps
/// the same instances over a frame range from their recorded input, slice by slice, driven by the
/// timer of its progress window.
class RecordManager : public CoreSubSystem, public TimerManager {
public:
    /// The recording tick.
    static constexpr int32_t kRecordTimer = 123;
    /// Most frames stepped in one tick; the rest is caught up by later ticks.
    static constexpr int kMaxFramesPerTick = 3;
    /// Wall-clock milliseconds one re-simulation slice may use.
    static constexpr uint32_t kSliceMilliseconds = 500;
    /// Slow-motion levels: factor 2^(level-1).
    static constexpr int kMinSlowLevel = 1;
    static constexpr int kMaxSlowLevel = 10;
    /// Shown when a re-simulation is refused because the host's time unit has no frame rate.
    static constexpr const char* kNoFrameRateMessage =
        "The scene's time unit has no known frame rate, so there are no frames to re-simulate. Choose a "
        "frame-based time unit and try again.";

    explicit RecordManager(CoreImplementation* core);
    ~RecordManager() override;

    /// Whether a recording or a re-simulation runs.
    bool IsRecording() const { return running_; }
    /// Whether a re-simulation runs.
    bool IsResimulating() const { return resimulating_; }
    /// Starts a recording at the host's current time: 0, or 71 while a recording or re-simulation runs.
    int StartRecording();
    /// Stops a running recording and closes its undo group; nothing when none runs. Answers 0.
    int StopRecording();
    /// Re-simulates the frames after `from` up to `to` seconds from the recorded input: 0, or 71
    /// while something runs, 72 when there is no adaptor, or 72 with a message (nothing changed)
    /// when the host's time unit has no frame rate. The progress window's timer does the stepping.
    int Resimulate(double from, double to);
    /// Ends a running re-simulation at once; nothing when none runs.
    void FinishResimulation();
    /// Steps one slice of the re-simulation (at most kSliceMilliseconds); true when it finished. A
    /// host time unit without a frame rate by then finishes it, the frames stepped so far kept.
    bool ResimulateSlice();
    /// The time of re-simulated frame `frame` (1: the first after the start) at `step` per frame.
    double ResimulationFrameTime(int frame, double step) const;
    /// Moves the host's time to the next frame to re-simulate, so the viewport follows.
    void ShowResimulationCursor();

    /// The slow-motion level 1..10 of the slow factor 2^(level-1).
    int GetSlowLevel() const;
    /// Sets the level, held within 1..10; while a recording (not a re-simulation) runs the host is
    /// told the new factor.
    void SetSlowLevel(int level);
    /// Wall-clock seconds per simulated second.
    double GetSlowFactor() const { return slowFactor_; }

    /// Uses `seconds` as frame duration instead of asking the host.
    void SetFixedFrameDuration(double seconds);
    /// The frame duration in force: the fixed one when set, else the host's.
    double GetFrameDuration() const;
    /// The index of the frame at `t`: rounded toward minus infinity.
    int GetFrameIndexOf(double t) const;

    /// The recording tick, timer kRecordTimer; other ids are ignored.
    void OnTimer(int32_t timerId, uint32_t tickCount) override;

    /// The simulated clock, in seconds.
    double GetTime() const { return time_; }
    double GetStartTime() const { return startTime_; }
    double GetEndTime() const { return endTime_; }
    /// Index of the last frame stepped.
    int GetFrameIndex() const { return frameIndex_; }
    /// Re-simulation progress 0..1 and the time of the next frame to re-simulate.
    float GetProgress() const { return progress_; }
    double GetResimulationCursor() const { return resimulateCursor_; }
    /// The instances being stepped.
    const std::vector<Instance*>& GetActiveInstances() const { return activeInstances_; }
    /// Takes `instance` out of the running take or re-simulation (its take ends first), so deleting a
    /// tool while the loop runs leaves nothing behind that the next tick or slice would read.
    void ForgetInstance(Instance* instance);
    /// The windows, made at the first recording and re-simulation; null before.
    CountDownWindow* GetCountDownWindow() const { return countdownWindow_.get(); }
    ResimulationWindow* GetResimulationWindow() const { return resimulateWindow_.get(); }

private:
    // Collects the recorded instances, prepares the host, starts the drivers and begins each instance.
    void BeginInstances(bool resimulate);
    // Steps every active instance at `t`.
    /// Steps every running instance at `t`; answers the first fault ("\"Name_01\": what went
    /// wrong"), empty when every step went well.
    std::string StepInstances(double t);
    /// Tells the user that the run ("take" or "re-simulation") stopped at the frame of `time`.
    void TellStepFault(const char* run, double time, const std::string& fault);
    // Whether the main window's check box `component` is checked; `missing` when there is none.
    bool IsMainWindowBoxChecked(int component, bool missing);
    // Low-poly display during a recording: saving and restoring what is visible.
    void SaveVisibility();
    void RestoreVisibility();
    int GetCountdownSeconds();
    // Main setting "Always on top": the windows of a run are shown top-most.
    bool IsAlwaysOnTop();

    std::unique_ptr<ResimulationWindow> resimulateWindow_;
    std::unique_ptr<CountDownWindow> countdownWindow_;
    double slowFactor_ = 1.0;
    double startTime_ = 0.0;
    double endTime_ = 0.0;
    double fixedFrameDuration_ = 0.04;
    bool useFixedFrameDuration_ = false;
    std::vector<Instance*> activeInstances_;
    uint32_t lastTick_ = 0;
    int32_t frameIndex_ = 0;
    double time_ = 0.0;
    bool running_ = false;
    std::vector<std::pair<CoreNode*, bool>> savedVisibility_;
    bool resimulating_ = false;
    float progress_ = 0.0f;
    double resimulateCursor_ = 0.0;
    int resimulateFrame_ = 0; ///< frames of the re-simulation stepped so far, plus one
    double savedSlowFactor_ = 1.0;
};

} // namespace vex::orb::core
