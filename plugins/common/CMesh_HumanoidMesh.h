#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A 1.8 m human figure made of boxes, standing on the origin with y up and facing +z: two legs, a
/// torso, two arms hanging at its sides, a neck, a head and a nose that shows where it faces. It gives
/// the camera rig a sense of scale.
class CMesh_HumanoidMesh : public CMesh {
public:
    /// Height of the figure in metres.
    static constexpr double kHeight = 1.8;

    /// Fills the arrays: the parts' boxes one after another, every texture-face index 0.
    CMesh_HumanoidMesh();
};

} // namespace vex::util
