#pragma once

#include <cstdint>

namespace vex::util {

// Little-endian access to 32-bit integers in byte buffers. The bytes are assembled one by one, so
// the pointer needs no alignment and the result is the same on any host byte order; compilers turn
// these into a single load or store on little-endian machines.

/// Reads the 32-bit signed little-endian integer stored at `p` (4 bytes).
inline int32_t ReadInt32LE(const uint8_t* p) {
    const uint32_t u = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(u);
}

/// Writes `value` at `p` as a 32-bit signed little-endian integer (4 bytes).
inline void WriteInt32LE(uint8_t* p, int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
    p[2] = static_cast<uint8_t>(u >> 16);
    p[3] = static_cast<uint8_t>(u >> 24);
}

} // namespace vex::util
