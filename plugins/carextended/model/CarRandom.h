#pragma once

#include <cstdint>

namespace vex::orb::addon {

/// The car's random generator: a 32-bit linear congruential step of `seed`, answering a value in
/// [−1, 1). Its whole state is the seed, so a saved state repeats the same sequence on any machine.
inline double NextRandom(std::uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<double>(seed >> 8) / 8388608.0 - 1.0;
}

} // namespace vex::orb::addon
