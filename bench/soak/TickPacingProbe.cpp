#include "bench/soak/TickPacingProbe.h"

#include "core/TimerManager.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

TickPacingProbe::TickPacingProbe(vex::orb::core::TimerManager& owner, int32_t timerId)
    : owner_(owner), timerId_(timerId) {
    owner_.installEventFilter(this);
}

TickPacingProbe::~TickPacingProbe() {
    owner_.removeEventFilter(this);
}

bool TickPacingProbe::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &owner_ || event->type() != QEvent::Timer) return false;
    const int qtId = static_cast<QTimerEvent*>(event)->timerId();
    if (qtId == 0 || qtId != owner_.GetQtTimerId(timerId_)) return false;
    const auto now = std::chrono::steady_clock::now();
    if (started_) {
        achieved_.push_back(std::chrono::duration<double, std::milli>(now - last_).count());
        // The timer now firing was started by the previous tick with the interval it asked for.
        int asked = -1;
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(owner_.thread())) {
            for (const auto& timer : dispatcher->registeredTimers(&owner_))
                if (timer.timerId == qtId) asked = timer.interval;
        }
        asked_.push_back(asked);
    }
    started_ = true;
    last_ = now;
    return false;
}
