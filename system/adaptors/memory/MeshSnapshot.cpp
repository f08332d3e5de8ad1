#include "system/adaptors/memory/MeshSnapshot.h"

#include "system/adaptors/memory/HostEdits.h"
#include "system/adaptors/memory/MemoryNode.h"
#include "system/adaptors/memory/RayTriangle.h"

namespace vex::orb::adaptor::memory {

void MeshSnapshot::setMesh(const util::CMesh& mesh) {
    if (!node_.IsAlive()) return;
    edits::SetField(node_.GetAdaptor(), node_.GetObject(), &HostObject::mesh, mesh);
}

bool MeshSnapshot::intersectRay(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                                util::Vector3<double>& hit, util::Vector3<double>& normal) {
    util::CMesh mesh;
    if (!getTriangles(mesh)) return false;
    bool found = false;
    double nearest = 0.0;
    for (size_t i = 0; i < mesh.GetTriangleCount(); ++i) {
        const auto& a = mesh.vertices[static_cast<size_t>(mesh.faces[3 * i])];
        const auto& b = mesh.vertices[static_cast<size_t>(mesh.faces[3 * i + 1])];
        const auto& c = mesh.vertices[static_cast<size_t>(mesh.faces[3 * i + 2])];
        double distance = 0.0;
        if (!IntersectRayTriangle(origin, direction, a, b, c, distance)) continue;
        if (found && distance >= nearest) continue;
        found = true;
        nearest = distance;
        normal = util::Cross(b - a, c - a);
        normal /= util::Length(normal);
    }
    if (found) hit = origin + direction * nearest;
    return found;
}

bool MeshSnapshot::getTriangles(util::CMesh& mesh) {
    const MemoryScene& scene = node_.GetScene();
    const HostObject* object = scene.Find(node_.GetObject());
    if (!object) return false;
    const util::Matrix<double> world = scene.GetWorldMatrix(node_.GetObject(), time);
    const util::CMesh& source = object->mesh;
    mesh = util::CMesh();
    for (const auto& v : source.vertices) mesh.vertices.push_back(util::TransformPoint(world, v));
    const auto count = static_cast<int32_t>(source.vertices.size());
    for (size_t i = 0; i < source.GetTriangleCount(); ++i) {
        const int32_t* face = &source.faces[3 * i];
        const bool valid = face[0] >= 0 && face[0] < count && face[1] >= 0 && face[1] < count &&
                           face[2] >= 0 && face[2] < count;
        if (valid) mesh.faces.insert(mesh.faces.end(), face, face + 3);
    }
    return !mesh.faces.empty();
}

} // namespace vex::orb::adaptor::memory
