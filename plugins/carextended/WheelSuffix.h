#pragma once

#include <array>
#include <string>

namespace vex::orb::addon {

/// Suffixes of the per-wheel node names: front left, front right, back left, back right.
inline constexpr std::array<const char*, 4> kWheelSuffixes{"_FL", "_FR", "_BL", "_BR"};

/// The name of wheel `wheel`'s node built on `base` ("WheelMesh" gives "WheelMesh_FL" for wheel 0).
inline std::string WheelNodeName(const char* base, int wheel) {
    return std::string(base) + kWheelSuffixes[static_cast<std::size_t>(wheel)];
}

} // namespace vex::orb::addon
