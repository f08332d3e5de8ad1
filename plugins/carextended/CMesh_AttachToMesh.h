#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A small cross of three bars along the axes: a place the user attaches parts of the car to.
class CMesh_AttachToMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_AttachToMesh();
};

} // namespace vex::util
