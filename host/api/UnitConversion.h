#pragma once

#include <maya/MStatus.h>

namespace vex::host {

/// A value measured in one unit expressed in another, given the size of each unit in a common unit (0
/// for an unknown unit, which gives 0 and kInvalidParameter). The same unit returns the value untouched.
inline double convertUnit(double value, double fromSize, double toSize, MStatus* status) {
    if (fromSize <= 0.0 || toSize <= 0.0) {
        MSetStatus(status, MStatus::kInvalidParameter);
        return 0.0;
    }
    MSetStatus(status, MStatus::kSuccess);
    return fromSize == toSize ? value : value * fromSize / toSize;
}

} // namespace vex::host
