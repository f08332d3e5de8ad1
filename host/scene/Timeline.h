#pragma once

namespace vex::host {

/// The time slider of the process: playback range, animation range, playback step, mode and the
/// playing state. The current time itself lives in the Scene; changing it here also fires the
/// "timeChanged" event, and starting or stopping playback sets the "playingBack" condition. Times are
/// seconds; the step is counted in frames of the UI time unit.
class Timeline {
public:
    enum class Mode { Once, Loop, Oscillate };

    static Timeline& instance();

    /// Back to a new scene's settings: playback range frames 1 to 24, animation range 1 to 48 (in the
    /// UI unit), one frame per step, looping, stopped.
    void reset();

    double minTime() const { return m_min; }
    double maxTime() const { return m_max; }
    void setMinTime(double seconds) { m_min = seconds; }
    void setMaxTime(double seconds) { m_max = seconds; }
    double animationStart() const { return m_start; }
    double animationEnd() const { return m_end; }
    void setAnimationStart(double seconds) { m_start = seconds; }
    void setAnimationEnd(double seconds) { m_end = seconds; }

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    /// Frames advanced by one playback step.
    double playbackBy() const { return m_by; }
    void setPlaybackBy(double frames) { m_by = frames; }

    /// Current time (the scene's) in seconds.
    double currentTime() const;
    /// Sets the scene's current time and fires "timeChanged".
    void setCurrentTime(double seconds);

    bool isPlaying() const { return m_playing; }
    /// Starts playing forwards or backwards; the "playingBack" condition becomes true.
    void play(bool forward);
    /// Stops playing; the "playingBack" condition becomes false.
    void stop();
    /// While playing, moves the current time one step in the playing direction and applies the mode at
    /// the ends of the playback range (once: stop there; loop: jump to the other end; oscillate: turn).
    /// Answers false when not playing.
    bool step();

private:
    Timeline();

    double m_min = 0.0;
    double m_max = 0.0;
    double m_start = 0.0;
    double m_end = 0.0;
    double m_by = 1.0;
    Mode m_mode = Mode::Loop;
    bool m_playing = false;
    bool m_forward = true;
};

} // namespace vex::host
