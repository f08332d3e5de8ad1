#pragma once

#include <QObject>

#include <cstdint>
#include <map>

class QTimerEvent;

namespace vex::orb::core {

/// Repeating Qt timers under ids the owner chooses (held by the host's batch clock while it runs). Every
/// timer event reaches OnTimer with the owner's id and the tick count of the moment; an owner that wants a
/// one-shot timer kills it in OnTimer.
class TimerManager : public QObject {
public:
    TimerManager() = default;
    /// Kills every timer still running.
    ~TimerManager() override;

    /// (Re)starts the timer `id` with a period of `seconds`, truncated to whole milliseconds.
    void SetTimer(int32_t id, double seconds);
    /// Kills the timer `id`; nothing when it does not run.
    void KillTimer(int32_t id);
    /// Whether the timer `id` runs.
    bool HasTimer(int32_t id) const { return timers_.count(id) != 0; }
    /// The Qt timer id behind `id`; 0 when it does not run.
    int GetQtTimerId(int32_t id) const;

    /// A timer event: `timerId` is the owner's id (-1 for a Qt timer this object does not know, which
    /// is killed first), `tickCount` the GetTickCount() of the event.
    virtual void OnTimer(int32_t timerId, uint32_t tickCount) = 0;

protected:
    /// Finds the owner's id of the Qt timer in id order and hands the event to OnTimer.
    void timerEvent(QTimerEvent* event) override;

private:
    // Owner's id -> Qt timer id (0 for a timer that cannot fire or is held by the batch clock).
    std::map<int32_t, int> timers_;
    // Owner's id -> handle in the host's batch clock queue, for the timers held there.
    std::map<int32_t, int> batchTimers_;
};

} // namespace vex::orb::core
