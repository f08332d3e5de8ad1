#pragma once

#include <cstddef>

namespace vex::util {

/// Tells a recursive reader or interpreter when the running thread's stack is nearly used up, so
/// that input nested without limit fails with a message instead of overflowing the stack.
class StackGuard {
public:
    /// Bytes kept free for the work a guarded step does before it checks again (a sanitizer build's
    /// frames are several times larger than a release build's).
    static constexpr std::size_t kReserve = 512 * 1024;

    /// True when fewer than kReserve bytes of the calling thread's stack remain. A thread whose
    /// stack bounds cannot be read is never reported low.
    static bool Low();
};

} // namespace vex::util
