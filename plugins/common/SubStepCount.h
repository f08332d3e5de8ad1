#pragma once

#include <cmath>

namespace vex::orb::addon {

/// How many sub-steps of at most `maxStep` seconds a step of `d` seconds is integrated in:
/// trunc(d / maxStep), at least 1 (also for a zero, negative or non-number step).
inline int SubStepCount(double d, double maxStep) {
    const double n = std::trunc(d / maxStep);
    return n >= 1.0 ? (n < 1e6 ? static_cast<int>(n) : 1000000) : 1;
}

} // namespace vex::orb::addon
