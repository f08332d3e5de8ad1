#include "interface/CMesh_Box.h"

#include <array>

namespace vex::util {

namespace {

// Two triangles per side: -z, +z, -y, +x, +y, -x.
constexpr std::array<int32_t, 36> kBoxFaces{0, 2, 3, 3, 1, 0, 4, 5, 7, 7, 6, 4, 0, 1, 5, 5, 4, 0,
                                            1, 3, 7, 7, 5, 1, 3, 2, 6, 6, 7, 3, 2, 0, 4, 4, 6, 2};

} // namespace

CMesh_Box::CMesh_Box(double x, double y, double z) {
    vertices.reserve(8);
    for (int corner = 0; corner < 8; ++corner) {
        vertices.push_back(
            {(corner & 1) ? x / 2 : -x / 2, (corner & 2) ? y / 2 : -y / 2, (corner & 4) ? z / 2 : -z / 2});
    }
    faces.assign(kBoxFaces.begin(), kBoxFaces.end());
    texFaces.assign(kBoxFaces.size(), 0);
}

} // namespace vex::util
