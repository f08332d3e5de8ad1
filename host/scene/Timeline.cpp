#include "host/scene/Timeline.h"

#include "host/scene/MessageHub.h"
#include "host/scene/Scene.h"

#include <maya/MTime.h>

namespace vex::host {

namespace {

double Frames(double count) {
    return MTime(count, MTime::uiUnit()).as(MTime::kSeconds);
}

} // namespace

Timeline& Timeline::Instance() {
    static Timeline timeline;
    return timeline;
}

Timeline::Timeline() {
    Reset();
}

void Timeline::Reset() {
    if (playing_) stop();
    min_ = Frames(1);
    max_ = Frames(24);
    start_ = Frames(1);
    end_ = Frames(48);
    by_ = 1.0;
    mode_ = Mode::kLoop;
    forward_ = true;
}

double Timeline::currentTime() const {
    return Scene::Instance().currentTime();
}

void Timeline::setCurrentTime(double seconds) {
    Scene::Instance().setCurrentTime(seconds);
    MessageHub::get().FireEvent("timeChanged");
}

void Timeline::Play(bool forward) {
    forward_ = forward;
    if (playing_) return;
    playing_ = true;
    MessageHub::get().SetCondition("playingBack", true);
}

void Timeline::stop() {
    if (!playing_) return;
    playing_ = false;
    MessageHub::get().SetCondition("playingBack", false);
}

bool Timeline::step() {
    if (!playing_) return false;
    const double stepSeconds = Frames(by_);
    double next = currentTime() + (forward_ ? stepSeconds : -stepSeconds);
    // A tolerance well below a frame keeps a range end reached by summed steps inside the range.
    const double slack = stepSeconds * 1e-6;
    const bool pastEnd = forward_ ? next > max_ + slack : next < min_ - slack;
    if (pastEnd) {
        switch (mode_) {
        case Mode::kOnce:
            setCurrentTime(forward_ ? max_ : min_);
            stop();
            return true;
        case Mode::kLoop:
            next = forward_ ? min_ : max_;
            break;
        case Mode::kOscillate:
            forward_ = !forward_;
            next = currentTime() + (forward_ ? stepSeconds : -stepSeconds);
            break;
        }
    }
    setCurrentTime(next);
    return true;
}

} // namespace vex::host
