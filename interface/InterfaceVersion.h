#pragma once

#include <string>

namespace vex::orb {

/// The version of the tool contract and of the host adaptor interface.
inline constexpr int kInterfaceVersion = 15107;

/// A version number as three numbers joined by dots: 15107 gives "15.1.7".
inline std::string FormatInterfaceVersion(int version) {
    return std::to_string(version / 1000) + "." + std::to_string((version % 1000) / 100) + "." +
           std::to_string(version % 100);
}

} // namespace vex::orb
