#include "plugins/carextended/MeshParts.h"

#include "interface/CMesh_Box.h"
#include "interface/CMesh_Cylinder.h"

#include <cstdint>

namespace vex::util {
namespace {

// Appends `part`, moved by `centre` after `place` turned each vertex, with its faces renumbered.
template <class Place>
void Append(CMesh& mesh, const CMesh& part, const Vector3<double>& centre, Place place) {
    const auto base = static_cast<int32_t>(mesh.vertices.size());
    for (const Vector3<double>& v : part.vertices) mesh.vertices.push_back(place(v) + centre);
    for (const int32_t index : part.faces) mesh.faces.push_back(base + index);
    mesh.texFaces.insert(mesh.texFaces.end(), part.texFaces.begin(), part.texFaces.end());
}

} // namespace

void AppendBox(CMesh& mesh, const Vector3<double>& size, const Vector3<double>& centre) {
    Append(mesh, CMesh_Box(size.x, size.y, size.z), centre, [](const Vector3<double>& v) { return v; });
}

void AppendXCylinder(CMesh& mesh, double radius, double length, int segments, const Vector3<double>& centre) {
    // The cylinder is made around z; a quarter turn about y lays it along x.
    Append(mesh, CMesh_Cylinder(segments, radius, length), centre, [](const Vector3<double>& v) {
        return Vector3<double>{v.z, v.y, -v.x};
    });
}

CMesh MergeMeshes(const std::vector<CMesh>& meshes) {
    CMesh merged;
    for (const CMesh& mesh : meshes) Append(merged, mesh, {}, [](const Vector3<double>& v) { return v; });
    return merged;
}

} // namespace vex::util
