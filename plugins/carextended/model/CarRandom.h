#pragma once

#include "plugins/common/RandomBits.h"

#include <cstdint>

namespace vex::orb::addon {

/// The car's random numbers: the next of `seed`'s sequence as a value in [−1, 1).
inline double NextRandom(std::uint32_t& seed) {
    return static_cast<double>(NextRandomBits(seed)) / 8388608.0 - 1.0;
}

} // namespace vex::orb::addon
