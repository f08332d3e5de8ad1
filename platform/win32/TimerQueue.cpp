#include "platform/win32/TimerQueue.h"

#include "platform/win32/Clock.h"

#include <cstdint>
#include <map>
#include <utility>

namespace vex::platform::win32 {

namespace {

struct HeldTimer {
    DWORD period = 1;
    TimerQueue::Callback fire;
};

// The batch clock's state. Due times are 64-bit so a long run never wraps inside the queue.
struct BatchState {
    bool running = false;
    std::uint64_t now = 0;
    int nextHandle = 1;
    std::uint64_t nextSequence = 0;
    // (due, start order) -> handle; the map order is the firing order.
    std::map<std::pair<std::uint64_t, std::uint64_t>, int> due;
    std::map<int, HeldTimer> timers;
    std::map<int, std::pair<std::uint64_t, std::uint64_t>> keyOf;
    int live = 0;
};

BatchState& State() {
    static BatchState state;
    return state;
}

void Schedule(BatchState& state, int handle, DWORD period) {
    const std::pair<std::uint64_t, std::uint64_t> key{state.now + period, state.nextSequence++};
    state.due[key] = handle;
    state.keyOf[handle] = key;
}

} // namespace

void TimerQueue::StartBatchClock(DWORD ticks) {
    BatchState& state = State();
    state.running = true;
    state.now = ticks;
    SetFakeTickCount(ticks);
}

void TimerQueue::StopBatchClock() {
    BatchState& state = State();
    state.running = false;
    state.due.clear();
    state.timers.clear();
    state.keyOf.clear();
    SetFakeTickCount(std::nullopt);
}

bool TimerQueue::IsBatchClock() {
    return State().running;
}

int TimerQueue::StartTimer(DWORD milliseconds, Callback fire) {
    BatchState& state = State();
    const int handle = state.nextHandle++;
    const DWORD period = milliseconds > 0 ? milliseconds : 1;
    state.timers[handle] = {period, std::move(fire)};
    Schedule(state, handle, period);
    return handle;
}

void TimerQueue::KillTimer(int handle) {
    BatchState& state = State();
    const auto key = state.keyOf.find(handle);
    if (key != state.keyOf.end()) {
        state.due.erase(key->second);
        state.keyOf.erase(key);
    }
    state.timers.erase(handle);
}

bool TimerQueue::FireNext() {
    BatchState& state = State();
    if (state.due.empty()) return false;
    const auto first = state.due.begin();
    const int handle = first->second;
    state.now = first->first.first;
    state.due.erase(first);
    state.keyOf.erase(handle);
    SetFakeTickCount(static_cast<DWORD>(state.now));
    // The timer repeats: it is due again one period on, unless its callback kills or restarts it.
    HeldTimer& timer = state.timers[handle];
    Schedule(state, handle, timer.period);
    const Callback fire = timer.fire; // the callback may kill the timer, and with it this copy's source
    if (fire) fire();
    return true;
}

void TimerQueue::CountLiveTimer(int change) {
    State().live += change;
}

int TimerQueue::RunningTimers() {
    const BatchState& state = State();
    return static_cast<int>(state.timers.size()) + state.live;
}

} // namespace vex::platform::win32
