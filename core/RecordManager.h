#pragma once

#include "core/CoreSubSystem.h"

namespace vex::orb::core {

/// The real-time loop: recording live input into the scene and re-simulating recorded takes.
///
/// This build has the loop's state and the slow-motion level but not yet the timer loop itself
/// (count-down, ticks, stepping the instances): it never starts a recording or re-simulation and
/// answers kRecordingUnavailable when asked to.
class RecordManager : public CoreSubSystem {
public:
    explicit RecordManager(CoreImplementation* core) : CoreSubSystem(core) {}

    /// Whether a recording or a re-simulation runs.
    bool IsRecording() const { return running_; }
    /// Whether a re-simulation runs.
    bool IsResimulating() const { return resimulating_; }
    /// Starts a recording: kAlreadyRunning while one runs; kRecordingUnavailable in this build.
    int StartRecording();
    /// Stops a running recording; nothing when none runs. Answers 0.
    int StopRecording();
    /// Re-simulates from `from` to `to` seconds: kAlreadyRunning while something runs;
    /// kRecordingUnavailable in this build.
    int Resimulate(double from, double to);
    /// Ends a running re-simulation at once; nothing when none runs.
    void FinishResimulation();
    /// The slow-motion level 1..10 of the slow factor 2^(level-1).
    int GetSlowLevel() const;
    /// Sets the slow factor to 2^(level-1); while a recording (not a re-simulation) runs the host
    /// is told the new factor.
    void SetSlowLevel(int level);
    /// Wall-clock seconds per simulated second.
    double GetSlowFactor() const { return slowFactor_; }

private:
    bool running_ = false;
    bool resimulating_ = false;
    double slowFactor_ = 1.0;
};

} // namespace vex::orb::core
