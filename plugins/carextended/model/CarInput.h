#pragma once

namespace vex::orb::addon {

/// One input of the car as the page shows it: the channel's response factor (the share of the gap to
/// the raw value closed per 0.04 s; 0 follows at once) and its maximum (the raw value 1 means this much).
struct CarInput {
    double responseFactor = 1.0;
    double maximum = 1.0;
};

} // namespace vex::orb::addon
