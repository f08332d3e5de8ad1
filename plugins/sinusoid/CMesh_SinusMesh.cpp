#include "plugins/sinusoid/CMesh_SinusMesh.h"

#include <cmath>
#include <numbers>

namespace vex::util {
namespace {

constexpr double kCrest = 0.5;
constexpr double kHalfWidth = 0.05;

} // namespace

CMeshSinusMesh::CMeshSinusMesh() {
    // Vertex 2i is below the curve and 2i + 1 above it at x = -1 + 2i / n.
    for (int i = 0; i <= kSegments; ++i) {
        const double x = -1.0 + 2.0 * i / kSegments;
        const double y = kCrest * std::sin(std::numbers::pi * x);
        vertices.push_back({x, y - kHalfWidth, 0.0});
        vertices.push_back({x, y + kHalfWidth, 0.0});
    }
    for (int32_t i = 0; i < kSegments; ++i) {
        const int32_t a = 2 * i;
        faces.insert(faces.end(), {a, a + 2, a + 3, a + 3, a + 1, a});
    }
    texFaces.assign(faces.size(), 0);
}

} // namespace vex::util
