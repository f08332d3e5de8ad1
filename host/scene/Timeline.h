#pragma once

namespace vex::host {

/// The time slider of the process: playback range, animation range, playback step, mode and the
/// playing state. The current time itself lives in the Scene; changing it here also fires the
/// "timeChanged" event, and starting or stopping playback sets the "playingBack" condition. Times are
/// seconds; the step is counted in frames of the UI time unit.
class Timeline {
public:
    enum class Mode { kOnce, kLoop, kOscillate };

    static Timeline& Instance();

    /// Back to a new scene's settings: playback range frames 1 to 24, animation range 1 to 48 (in the
    /// UI unit), one frame per step, looping, stopped.
    void Reset();

    double minTime() const { return min_; }
    double maxTime() const { return max_; }
    void setMinTime(double seconds) { min_ = seconds; }
    void setMaxTime(double seconds) { max_ = seconds; }
    double AnimationStart() const { return start_; }
    double AnimationEnd() const { return end_; }
    void SetAnimationStart(double seconds) { start_ = seconds; }
    void SetAnimationEnd(double seconds) { end_ = seconds; }

    Mode mode() const { return mode_; }
    void SetMode(Mode mode) { mode_ = mode; }
    /// Frames advanced by one playback step.
    double PlaybackBy() const { return by_; }
    void SetPlaybackBy(double frames) { by_ = frames; }

    /// Current time (the scene's) in seconds.
    double currentTime() const;
    /// Sets the scene's current time and fires "timeChanged".
    void setCurrentTime(double seconds);

    bool IsPlaying() const { return playing_; }
    /// Starts playing forwards or backwards; the "playingBack" condition becomes true.
    void Play(bool forward);
    /// Stops playing; the "playingBack" condition becomes false.
    void stop();
    /// While playing, moves the current time one step in the playing direction and applies the mode at
    /// the ends of the playback range (once: stop there; loop: jump to the other end; oscillate: turn).
    /// Answers false when not playing.
    bool step();

private:
    Timeline();

    double min_ = 0.0;
    double max_ = 0.0;
    double start_ = 0.0;
    double end_ = 0.0;
    double by_ = 1.0;
    Mode mode_ = Mode::kLoop;
    bool playing_ = false;
    bool forward_ = true;
};

} // namespace vex::host
