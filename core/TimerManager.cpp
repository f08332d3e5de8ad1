#include "core/TimerManager.h"

#include "platform/win32/Clock.h"
#include "platform/win32/TimerQueue.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

#include <cmath>
#include <limits>

namespace vex::orb::core {

TimerManager::~TimerManager() {
    while (!timers_.empty()) KillTimer(timers_.begin()->first);
}

void TimerManager::SetTimer(int32_t id, double seconds) {
    KillTimer(id);
    // Truncated to whole milliseconds; an endless or negative period is held within Qt's range.
    double milliseconds = std::trunc(seconds * 1000.0);
    if (!(milliseconds >= 0.0)) milliseconds = 0.0;
    if (milliseconds > std::numeric_limits<int>::max()) milliseconds = std::numeric_limits<int>::max();
    // On the host's batch clock the timer is held by the host's queue and fires without waiting.
    if (platform::win32::TimerQueue::IsBatchClock()) {
        batchTimers_[id] = platform::win32::TimerQueue::StartTimer(
            static_cast<platform::win32::DWORD>(milliseconds),
            [this, id] { OnTimer(id, platform::win32::GetTickCount()); });
        timers_[id] = 0;
        return;
    }
    // Without an event dispatcher on this thread (no Qt application) the timer cannot fire; it is
    // still recorded, so the owner sees it as running and tests can drive OnTimer by hand.
    int qtId = 0;
    if (QAbstractEventDispatcher::instance(thread()) != nullptr)
        qtId = startTimer(static_cast<int>(milliseconds));
    timers_[id] = qtId;
    platform::win32::TimerQueue::CountLiveTimer(+1);
}

void TimerManager::KillTimer(int32_t id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    if (const auto held = batchTimers_.find(id); held != batchTimers_.end()) {
        platform::win32::TimerQueue::KillTimer(held->second);
        batchTimers_.erase(held);
    } else {
        if (it->second != 0) killTimer(it->second);
        platform::win32::TimerQueue::CountLiveTimer(-1);
    }
    timers_.erase(it);
}

int TimerManager::GetQtTimerId(int32_t id) const {
    auto it = timers_.find(id);
    return it != timers_.end() ? it->second : 0;
}

void TimerManager::timerEvent(QTimerEvent* event) {
    const int qtId = event->timerId();
    for (const auto& [id, known] : timers_) {
        if (known == qtId) {
            OnTimer(id, platform::win32::GetTickCount());
            return;
        }
    }
    killTimer(qtId);
    OnTimer(-1, platform::win32::GetTickCount());
}

} // namespace vex::orb::core
