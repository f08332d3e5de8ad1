#pragma once

#include <cstddef>

/// The process's memory at one moment: what the allocator hands out and what the kernel keeps resident.
struct MemorySample {
    /// Bytes in use in the allocator's blocks (mallinfo2 uordblks).
    std::size_t inUse = 0;
    /// Bytes the allocator took from the system for its main arena (mallinfo2 arena).
    std::size_t arena = 0;
    /// Resident set size from /proc/self/status (VmRSS), in bytes.
    std::size_t resident = 0;
};

/// Reads the memory figures of the running process. Free memory at the top of the heap goes back to
/// the system first, so the resident size shows what is held rather than what was once used.
class MemoryProbe {
public:
    static MemorySample Sample();
};
