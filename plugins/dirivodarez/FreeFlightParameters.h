#pragma once

#include "plugins/dirivodarez/FreeFlightState.h"

#include <array>

namespace vex::orb::addon {

/// The settings of the free-flying camera's motion.
struct FreeFlightParameters {
    /// Whether the camera turns freely about its own axes (on) or keeps its x-axis level, yawing about
    /// the world's vertical (off). Off by default: a hand-held or dolly camera keeps the horizon level.
    bool allowRoll = false;
    /// Metres per input unit: the linear speeds are multiplied by it (the camera basis's scale).
    double relativeScale = 1.0;
    double shakerFadeOutFactor = 0.2;
    double walkCycleFadeOutFactor = 0.3;
    /// Walk cycles per second.
    double walkCycleFrequency = 1.0;
    std::array<double, kFlightInputCount> responseFactors{0.2, 0.2, 0.2, 0.2, 0.1, 0.2,
                                                          0.9, 0.9, 0.1, 0.1, 1.0, 0.2};
    std::array<double, kFlightInputCount> maxima{5.0, 5.0,  5.0,  1.0,  1.0, 1.0,
                                                 3.0, 0.03, 30.0, 30.0, 1.0, 30.0};
};

} // namespace vex::orb::addon
