#pragma once

#include <algorithm>

namespace vex::orb::addon {

// What the rulers derive from a measure and their Max and Min limits.

/// 1 when `value` is strictly above `max`, else 0.
inline double AboveTrigger(double value, double max) {
    return value > max ? 1.0 : 0.0;
}

/// 1 when `min` is strictly above `value`, else 0.
inline double BelowTrigger(double value, double min) {
    return min > value ? 1.0 : 0.0;
}

/// Where `value` lies in the window from `min` (0) to `max` (1), clamped to 0 … 1. With max equal to
/// min the quotient is infinite, giving 0 or 1, and not a number when `value` equals both.
inline double WindowPosition(double value, double max, double min) {
    const double position = 1.0 - (max - value) / (max - min);
    if (position != position) return position;
    return std::clamp(position, 0.0, 1.0);
}

} // namespace vex::orb::addon
