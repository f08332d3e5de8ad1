#include "interface/CMesh_Cylinder.h"

#include <cmath>

namespace vex::util {

namespace {

// The full turn the segments are spread over.
constexpr double kFullTurn = 6.28318;

} // namespace

CMesh_Cylinder::CMesh_Cylinder(int n, double r, double h) {
    if (n < 0) n = 0;
    const double top = h / 2;
    const double bottom = -h / 2;

    vertices.resize(2 * static_cast<size_t>(n) + 2);
    for (int i = 0; i < n; ++i) {
        const double a = i * kFullTurn / n;
        const double x = r * std::cos(a);
        const double y = r * std::sin(a);
        vertices[i] = {x, y, top};
        vertices[n + i] = {x, y, bottom};
    }
    vertices[2 * n] = {0, 0, top};
    vertices[2 * n + 1] = {0, 0, bottom};

    faces.reserve(12 * static_cast<size_t>(n));
    const auto triangle = [this](int a, int b, int c) { faces.insert(faces.end(), {a, b, c}); };
    for (int i = 0; i < n; ++i) triangle(2 * n, i, (i + 1) % n);
    for (int i = 0; i < n; ++i) triangle(2 * n + 1, n + (i + 1) % n, n + i);
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        triangle(i, n + i, n + j);
        triangle(n + j, j, i);
    }
    texFaces = faces;

    texCoords.reserve(vertices.size());
    for (const Vector3<double>& v : vertices) {
        texCoords.push_back({v.x + std::cos(0.1 * v.z), v.y + std::sin(0.1 * v.z), v.z});
    }
}

} // namespace vex::util
