#pragma once

#include <cstdint>

namespace vex::unidevice {

/// What a control delivers, one bit per kind. A control has exactly one kind; a property carries a
/// mask of the kinds it accepts, so the kinds combine with bitwise operators.
enum ControlKind : std::uint32_t {
    kBinaryControl = 1,   ///< 0.0 or 1.0: buttons and keys
    kTrinaryControl = 2,  ///< -1.0, 0.0 or 1.0: halves of a hat, emulated trinary controls
    kFiniteControl = 4,   ///< continuous in a bounded range, nominally -1.0..1.0: axes and sliders
    kInfiniteControl = 8, ///< continuous and unbounded: virtual controls of tool instances
    kAnyControl = 65535,  ///< matches every mask (the core's constant control)
};

} // namespace vex::unidevice
