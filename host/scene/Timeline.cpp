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
    if (m_playing) stop();
    m_min = frames(1);
    m_max = frames(24);
    m_start = frames(1);
    m_end = frames(48);
    m_by = 1.0;
    m_mode = Mode::Loop;
    m_forward = true;
}

double Timeline::currentTime() const {
    return Scene::instance().currentTime();
}

void Timeline::setCurrentTime(double seconds) {
    Scene::instance().setCurrentTime(seconds);
    MessageHub::get().fireEvent("timeChanged");
}

void Timeline::play(bool forward) {
    m_forward = forward;
    if (m_playing) return;
    m_playing = true;
    MessageHub::get().setCondition("playingBack", true);
}

void Timeline::stop() {
    if (!m_playing) return;
    m_playing = false;
    MessageHub::get().setCondition("playingBack", false);
}

bool Timeline::step() {
    if (!m_playing) return false;
    const double stepSeconds = frames(m_by);
    double next = currentTime() + (m_forward ? stepSeconds : -stepSeconds);
    // A tolerance well below a frame keeps a range end reached by summed steps inside the range.
    const double slack = stepSeconds * 1e-6;
    const bool pastEnd = m_forward ? next > m_max + slack : next < m_min - slack;
    if (pastEnd) {
        switch (m_mode) {
        case Mode::Once:
            setCurrentTime(m_forward ? m_max : m_min);
            stop();
            return true;
        case Mode::Loop:
            next = m_forward ? m_min : m_max;
            break;
        case Mode::Oscillate:
            m_forward = !m_forward;
            next = currentTime() + (m_forward ? stepSeconds : -stepSeconds);
            break;
        }
    }
    setCurrentTime(next);
    return true;
}

} // namespace vex::host
