#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A box helper mesh centred on the origin with sides x, y and z: eight corners, twelve triangles,
/// every texture-face index 0 and no texture coordinates.
///
/// Corner order (signs of x/2, y/2, z/2): (−,−,−), (+,−,−), (−,+,−), (+,+,−), (−,−,+), (+,−,+), (−,+,+),
/// (+,+,+), so bit 0 of a corner's index selects +x, bit 1 +y and bit 2 +z.
class CMesh_Box : public CMesh {
public:
    /// Fills the arrays for a box of sides `x`, `y`, `z`.
    CMesh_Box(double x, double y, double z);
};

} // namespace vex::util
