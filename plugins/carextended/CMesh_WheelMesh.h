#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A wheel of radius 1 and width 1 with its axle along x, centred on the origin; the tool scales it to each
/// wheel. A bar across the tread shows its spin.
class CMesh_WheelMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_WheelMesh();
};

} // namespace vex::util
