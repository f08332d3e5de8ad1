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
    return uiTime(Timeline::Instance().minTime());
}
MTime MAnimControl::maxTime() {
    return uiTime(Timeline::Instance().maxTime());
}

MStatus MAnimControl::setMinTime(MTime time) {
    Timeline::Instance().setMinTime(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMaxTime(MTime time) {
    Timeline::Instance().setMaxTime(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setMinMaxTime(MTime min, MTime max) {
    if (max < min) return MStatus::kInvalidParameter;
    setMinTime(min);
    return setMaxTime(max);
}

MTime MAnimControl::animationStartTime() {
    return uiTime(Timeline::Instance().AnimationStart());
}
MTime MAnimControl::animationEndTime() {
    return uiTime(Timeline::Instance().AnimationEnd());
}

MStatus MAnimControl::setAnimationStartTime(MTime time) {
    Timeline::Instance().SetAnimationStart(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationEndTime(MTime time) {
    Timeline::Instance().SetAnimationEnd(seconds(time));
    return MStatus::kSuccess;
}

MStatus MAnimControl::setAnimationStartEndTime(MTime start, MTime end) {
    if (end < start) return MStatus::kInvalidParameter;
    setAnimationStartTime(start);
    return setAnimationEndTime(end);
}

MTime MAnimControl::currentTime() {
    return uiTime(Timeline::Instance().currentTime());
}

MStatus MAnimControl::setCurrentTime(const MTime& time) {
    if (time.unit() == MTime::kInvalid) return MStatus::kInvalidParameter;
    Timeline::Instance().setCurrentTime(seconds(time));
    return MStatus::kSuccess;
}

MAnimControl::PlaybackMode MAnimControl::playbackMode(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    switch (Timeline::Instance().mode()) {
    case Timeline::Mode::kOnce:
        return kPlaybackOnce;
    case Timeline::Mode::kOscillate:
        return kPlaybackOscillate;
    default:
        return kPlaybackLoop;
    }
}

MStatus MAnimControl::setPlaybackMode(PlaybackMode mode) {
    static const Timeline::Mode kModes[] = {Timeline::Mode::kOnce, Timeline::Mode::kLoop,
                                            Timeline::Mode::kOscillate};
    if (mode < kPlaybackOnce || mode > kPlaybackOscillate) return MStatus::kInvalidParameter;
    Timeline::Instance().SetMode(kModes[mode]);
    return MStatus::kSuccess;
}

double MAnimControl::playbackBy(MStatus* ReturnStatus) {
    MSetStatus(ReturnStatus, MStatus::kSuccess);
    return Timeline::Instance().PlaybackBy();
}

MStatus MAnimControl::setPlaybackBy(double frames) {
    if (!(frames > 0.0)) return MStatus::kInvalidParameter;
    Timeline::Instance().SetPlaybackBy(frames);
    return MStatus::kSuccess;
}

bool MAnimControl::isPlaying() {
    return Timeline::Instance().IsPlaying();
}

MStatus MAnimControl::playForward() {
    Timeline::Instance().Play(true);
    return MStatus::kSuccess;
}

MStatus MAnimControl::playBackward() {
    Timeline::Instance().Play(false);
    return MStatus::kSuccess;
}

MStatus MAnimControl::stop() {
    Timeline::Instance().stop();
    return MStatus::kSuccess;
}
