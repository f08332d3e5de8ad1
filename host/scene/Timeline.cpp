#include "host/scene/Timeline.h"

#include "host/scene/MessageHub.h"
#include "host/scene/Scene.h"

#include <maya/MTime.h>

namespace vex::host {

namespace {

double frames(double count) {
    return MTime(count, MTime::uiUnit()).as(MTime::kSeconds);
}

} // namespace

Timeline& Timeline::instance() {
    static Timeline timeline;
    return timeline;
}

Timeline::Timeline() {
    reset();
}

void Timeline::reset() {
    if (playing_) stop();
    min_ = frames(1);
    max_ = frames(24);
    start_ = frames(1);
    end_ = frames(48);
    by_ = 1.0;
    mode_ = Mode::Loop;
    forward_ = true;
}

double Timeline::currentTime() const {
    return Scene::instance().currentTime();
}

void Timeline::setCurrentTime(double seconds) {
    Scene::instance().setCurrentTime(seconds);
    MessageHub::get().fireEvent("timeChanged");
}

void Timeline::play(bool forward) {
    forward_ = forward;
    if (playing_) return;
    playing_ = true;
    MessageHub::get().setCondition("playingBack", true);
}

void Timeline::stop() {
    if (!playing_) return;
    playing_ = false;
    MessageHub::get().setCondition("playingBack", false);
}

bool Timeline::step() {
    if (!playing_) return false;
    const double stepSeconds = frames(by_);
    double next = currentTime() + (forward_ ? stepSeconds : -stepSeconds);
    // A tolerance well below a frame keeps a range end reached by summed steps inside the range.
    const double slack = stepSeconds * 1e-6;
    const bool pastEnd = forward_ ? next > max_ + slack : next < min_ - slack;
    if (pastEnd) {
        switch (mode_) {
        case Mode::Once:
            setCurrentTime(forward_ ? max_ : min_);
            stop();
            return true;
        case Mode::Loop:
            next = forward_ ? min_ : max_;
            break;
        case Mode::Oscillate:
            forward_ = !forward_;
            next = currentTime() + (forward_ ? stepSeconds : -stepSeconds);
            break;
        }
    }
    setCurrentTime(next);
    return true;
}

} // namespace vex::host
