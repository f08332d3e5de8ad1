#pragma once

#include <maya/MStatus.h>
#include <maya/MTime.h>

/// The time slider: playback and animation ranges, the current time and playback. Setting the current
/// time fires the "timeChanged" event; starting and stopping playback changes the "playingBack"
/// condition. Times are answered in the UI time unit.
class MAnimControl {
public:
    enum PlaybackMode { kPlaybackOnce, kPlaybackLoop, kPlaybackOscillate };

    /// Playback range.
    static MTime minTime();
    static MTime maxTime();
    static MStatus setMinTime(MTime time);
    static MStatus setMaxTime(MTime time);
    static MStatus setMinMaxTime(MTime min, MTime max);
    /// Animation range (the outer range of the slider).
    static MTime animationStartTime();
    static MTime animationEndTime();
    static MStatus setAnimationStartTime(MTime time);
    static MStatus setAnimationEndTime(MTime time);
    static MStatus setAnimationStartEndTime(MTime start, MTime end);

    /// The current time.
    static MTime currentTime();
    /// Moves the current time; scene reads follow it.
    static MStatus setCurrentTime(const MTime& time);

    static PlaybackMode playbackMode(MStatus* ReturnStatus = nullptr);
    static MStatus setPlaybackMode(PlaybackMode mode);
    /// Step of playback, in frames of the UI unit.
    static double playbackBy(MStatus* ReturnStatus = nullptr);
    static MStatus setPlaybackBy(double by);

    /// True while playing.
    static bool isPlaying();
    /// Starts playback forwards or backwards from the current time.
    static MStatus playForward();
    static MStatus playBackward();
    /// Stops playback.
    static MStatus stop();
};
