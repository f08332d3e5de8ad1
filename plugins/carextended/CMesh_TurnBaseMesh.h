#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A flat cross on y = 0: the point the car turns about.
class CMesh_TurnBaseMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_TurnBaseMesh();
};

} // namespace vex::util
