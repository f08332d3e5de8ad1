#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A steering wheel of radius 0.2 facing z: a square rim of four bars in the xy plane around a hub.
class CMesh_SteeringWheelMesh : public CMesh {
public:
    /// Fills the arrays.
    CMesh_SteeringWheelMesh();
};

} // namespace vex::util
