#include "host/scene/Timeline.h"

#include <maya/MAnimControl.h>

using vex::host::Timeline;

namespace {

// A time in seconds answered in the UI unit.
MTime uiTime(double seconds) {
    MTime t(seconds, MTime::kSeconds);
    t.setUnit(MTime::uiUnit());
    return t;
}

double seconds(const MTime& t) {
    return t.as(MTime::kSeconds);
}

} // namespace

MTime MAnimControl::minTime() {
    return uiTime(Timeline::instance().minTime());
}
MTime MAnimControl::maxTime() {
    return uiTime(Timeline::instance().maxTime());
}

MStatus MAnimControl::setMinTime(MTime time) {
    Timeline::instance().setMinTime(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMaxTime(MTime time) {
    Timeline::instance().setMaxTime(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMinMaxTime(MTime min, MTime max) {
    if (max < min) return MStatus::kInvalidParameter;
    setMinTime(min);
    return setMaxTime(max);
}

MTime MAnimControl::animationStartTime() {
    return uiTime(Timeline::instance().animationStart());
}
MTime MAnimControl::animationEndTime() {
    return uiTime(Timeline::instance().animationEnd());
}

MStatus MAnimControl::setAnimationStartTime(MTime time) {
    Timeline::instance().setAnimationStart(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationEndTime(MTime time) {
    Timeline::instance().setAnimationEnd(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationStartEndTime(MTime start, MTime end) {
    if (end < start) return MStatus::kInvalidParameter;
    setAnimationStartTime(start);
    return setAnimationEndTime(end);
}

MTime MAnimControl::currentTime() {
    return uiTime(Timeline::instance().currentTime());
}

MStatus MAnimControl::setCurrentTime(const MTime& time) {
    if (time.unit() == MTime::kInvalid) return MStatus::kInvalidParameter;
    Timeline::instance().setCurrentTime(seconds(time));
    return MStatus::kSuccess;
}

MAnimControl::PlaybackMode MAnimControl::playbackMode(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    switch (Timeline::instance().mode()) {
    case Timeline::Mode::Once:
        return kPlaybackOnce;
    case Timeline::Mode::Oscillate:
        return kPlaybackOscillate;
    default:
        return kPlaybackLoop;
    }
}

MStatus MAnimControl::setPlaybackMode(PlaybackMode mode) {
    static const Timeline::Mode kModes[] = {Timeline::Mode::Once, Timeline::Mode::Loop,
                                            Timeline::Mode::Oscillate};
    if (mode < kPlaybackOnce || mode > kPlaybackOscillate) return MStatus::kInvalidParameter;
    Timeline::instance().setMode(kModes[mode]);
    return MStatus::kSuccess;
}

double MAnimControl::playbackBy(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return Timeline::instance().playbackBy();
}

MStatus MAnimControl::setPlaybackBy(double frames) {
    if (!(frames > 0.0)) return MStatus::kInvalidParameter;
    Timeline::instance().setPlaybackBy(frames);
    return MStatus::kSuccess;
}

bool MAnimControl::isPlaying() {
    return Timeline::instance().isPlaying();
}

MStatus MAnimControl::playForward() {
    Timeline::instance().play(true);
    return MStatus::kSuccess;
}

MStatus MAnimControl::playBackward() {
    Timeline::instance().play(false);
    return MStatus::kSuccess;
}

MStatus MAnimControl::stop() {
    Timeline::instance().stop();
    return MStatus::kSuccess;
}
