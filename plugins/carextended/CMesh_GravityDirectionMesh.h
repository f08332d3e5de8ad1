#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// An arrow one unit long pointing along −y from the origin: the down direction.
class CMesh_GravityDirectionMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_GravityDirectionMesh();
};

} // namespace vex::util
