#include "plugins/common/CMesh_HumanoidMesh.h"

#include "interface/CMesh_Box.h"

#include <cstdint>

namespace vex::util {
namespace {

/// One box of the figure: its size and the position of its centre.
struct Part {
    Vector3<double> size;
    Vector3<double> centre;
};

// Legs up to the hips at 0.9 m, torso to the shoulders at 1.5 m, arms down to 0.8 m, neck and head to
// 1.8 m, and the nose in front of the head.
constexpr Part kParts[] = {
    {{0.14, 0.90, 0.16}, {-0.10, 0.45, 0.0}}, // left leg
    {{0.14, 0.90, 0.16}, {0.10, 0.45, 0.0}},  // right leg
    {{0.40, 0.60, 0.22}, {0.0, 1.20, 0.0}},   // torso
    {{0.10, 0.70, 0.10}, {-0.26, 1.15, 0.0}}, // left arm
    {{0.10, 0.70, 0.10}, {0.26, 1.15, 0.0}},  // right arm
    {{0.08, 0.06, 0.08}, {0.0, 1.53, 0.0}},   // neck
    {{0.20, 0.24, 0.22}, {0.0, 1.68, 0.0}},   // head
    {{0.04, 0.05, 0.05}, {0.0, 1.66, 0.135}}, // nose
};

} // namespace

CMesh_HumanoidMesh::CMesh_HumanoidMesh() {
    for (const Part& part : kParts) {
        const CMesh_Box box(part.size.x, part.size.y, part.size.z);
        const auto base = static_cast<int32_t>(vertices.size());
        for (const Vector3<double>& v : box.vertices) vertices.push_back(v + part.centre);
        for (const int32_t index : box.faces) faces.push_back(base + index);
        texFaces.insert(texFaces.end(), box.texFaces.begin(), box.texFaces.end());
    }
}

} // namespace vex::util
