#pragma once

#include <cstdint>

namespace vex::orb::addon {

/// The tools' random generator: a 32-bit linear congruential step of `seed`, answering its upper 24
/// bits (0 to 16777215). Its whole state is the seed, so a saved state repeats the same sequence on any
/// machine.
inline std::uint32_t NextRandomBits(std::uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

} // namespace vex::orb::addon
