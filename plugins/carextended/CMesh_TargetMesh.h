#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A cube of side 0.5 with a bar along −z: the target the car follows.
class CMesh_TargetMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_TargetMesh();
};

} // namespace vex::util
