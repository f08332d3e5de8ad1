#pragma once

// The timers of the process's real-time loops, as the program hosting them sees them. Live, their
// owners run Qt timers and only count them here, so a host can wait until none runs. On the batch
// clock the timers are held here instead and never wait for wall-clock time: the host fires them in
// due order as fast as it can, the fake tick count jumping to each one's due time.

#include "platform/win32/Types.h"

#include <functional>

namespace vex::platform::win32 {

class TimerQueue {
public:
    using Callback = std::function<void()>;

    /// Starts the batch clock at `ticks`: GetTickCount shows the fake count from now on.
    static void StartBatchClock(DWORD ticks);
    /// Goes back to the real clock; timers still held are dropped.
    static void StopBatchClock();
    /// Whether the batch clock runs.
    static bool IsBatchClock();

    /// On the batch clock: a repeating timer due `milliseconds` from now (at least 1 ms, so a
    /// zero period cannot stop the clock); answers its handle (> 0).
    static int StartTimer(DWORD milliseconds, Callback fire);
    /// Removes a held timer; nothing for an unknown handle. Safe from inside its own callback.
    static void KillTimer(int handle);
    /// Moves the fake clock to the earliest due timer and fires it (timers due at the same tick fire
    /// in start order); false when no timer is held.
    static bool FireNext();

    /// A live timer started (+1) or stopped (-1) by its owner.
    static void CountLiveTimer(int change);
    /// Timers running now: the held ones and the live ones counted.
    static int RunningTimers();
};

} // namespace vex::platform::win32
