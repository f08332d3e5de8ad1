#pragma once

// The millisecond tick count the real-time loop measures wall-clock time with, and a fake clock
// that lets tests drive it.

#include "platform/win32/Types.h"

#include <optional>

namespace vex::platform::win32 {

/// Milliseconds from a steady clock (one that never jumps with the calendar). Like Windows it is a
/// 32-bit count that wraps to 0 after 2^32 ms (about 49.7 days); compare ticks by unsigned
/// subtraction. While a fake tick count is set, that value is returned instead.
DWORD GetTickCount();

/// Makes GetTickCount return `ticks` from now on, for every thread; std::nullopt goes back to the
/// real clock.
void SetFakeTickCount(std::optional<DWORD> ticks);

/// The fake tick count in force, if any.
std::optional<DWORD> GetFakeTickCount();

/// A fake clock for a test's lifetime: GetTickCount returns the value this object sets and advances;
/// on destruction the clock goes back to what it was before (the real clock, or an outer FakeClock).
class FakeClock {
public:
    /// Starts the fake clock at `start` milliseconds.
    explicit FakeClock(DWORD start = 0);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    /// Moves the clock forward by `milliseconds`, wrapping at 2^32 like the real count.
    void Advance(DWORD milliseconds);

    /// Sets the clock to `ticks`.
    void Set(DWORD ticks);

    /// The tick count the clock shows.
    DWORD Now() const { return now_; }

private:
    std::optional<DWORD> previous_;
    DWORD now_;
};

} // namespace vex::platform::win32
