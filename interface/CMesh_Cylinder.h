#pragma once

#include "interface/CMesh.h"

namespace vex::util {

/// A closed cylinder helper mesh around the z axis, centred on the origin: `n` segments of radius `r`
/// and height `h`.
///
/// Vertices: for i = 0 … n−1 at angle a = i × 6.28318 / n, vertex i = (r cos a, r sin a, h/2) on the
/// top rim and vertex n+i the same point at −h/2; then the top centre 2n = (0, 0, h/2) and the bottom
/// centre 2n+1 = (0, 0, −h/2). The angle step uses 6.28318, not 2π to full precision, so the shape
/// matches the helper the tools have always shown.
///
/// Faces (12n indices), all wound counter-clockwise seen from outside: the top fan (2n, i, j), then the
/// bottom fan (2n+1, n+j, n+i), then per side segment (i, n+i, n+j) and (n+j, j, i), with j = (i+1) mod n.
///
/// One texture coordinate per vertex, (x + cos(0.1 z), y + sin(0.1 z), z) of the vertex (x, y, z); the
/// texture faces repeat the faces. A segment count below 1 gives just the two centres and no faces.
class CMesh_Cylinder : public CMesh {
public:
    /// Fills the arrays for `n` segments of radius `r` and height `h`.
    CMesh_Cylinder(int n, double r, double h);
};

} // namespace vex::util
