#include "platform/win32/Clock.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace vex::platform::win32 {

namespace {

constexpr std::int64_t kRealClock = -1;

// The fake tick count, or kRealClock.
std::atomic<std::int64_t> fakeTicks{kRealClock};

} // namespace

DWORD GetTickCount() {
    const std::int64_t fake = fakeTicks.load(std::memory_order_relaxed);
    if (fake != kRealClock) return static_cast<DWORD>(fake);
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<DWORD>(static_cast<std::uint64_t>(milliseconds));
}

void SetFakeTickCount(std::optional<DWORD> ticks) {
    fakeTicks.store(ticks ? static_cast<std::int64_t>(*ticks) : kRealClock, std::memory_order_relaxed);
}

std::optional<DWORD> GetFakeTickCount() {
    const std::int64_t fake = fakeTicks.load(std::memory_order_relaxed);
    if (fake == kRealClock) return std::nullopt;
    return static_cast<DWORD>(fake);
}

FakeClock::FakeClock(DWORD start) : previous_(GetFakeTickCount()), now_(start) {
    SetFakeTickCount(now_);
}

FakeClock::~FakeClock() {
    SetFakeTickCount(previous_);
}

void FakeClock::Advance(DWORD milliseconds) {
    Set(now_ + milliseconds);
}

void FakeClock::Set(DWORD ticks) {
    now_ = ticks;
    SetFakeTickCount(now_);
}

} // namespace vex::platform::win32
