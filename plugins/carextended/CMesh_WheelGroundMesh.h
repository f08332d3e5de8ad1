#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A flat square of side 0.2 on y = 0 with a short post up along y: the wheel centre or its ground contact,
/// whichever the tool places it at.
class CMesh_WheelGroundMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_WheelGroundMesh();
};

} // namespace vex::util
