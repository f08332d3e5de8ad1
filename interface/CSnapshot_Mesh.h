#pragma once

#include "interface/CExtendable.h"
#include "interface/CMesh.h"
#include "util/Vector3.h"

namespace vex::orb {

/// The collision view of a node's surface geometry at one point in time, in world space.
class CSnapshot_Mesh : public CExtendable {
public:
    /// Replaces the node's geometry.
    virtual void setMesh(const util::CMesh& mesh) = 0;
    /// The axis-aligned bounds of the triangles; false (bounds untouched) when there are none.
    virtual bool getBounds(util::Vector3<double>& min, util::Vector3<double>& max) {
        util::CMesh mesh;
        if (!getTriangles(mesh) || mesh.vertices.empty()) return false;
        min = max = mesh.vertices.front();
        for (const auto& v : mesh.vertices) {
            min = {std::min(min.x, v.x), std::min(min.y, v.y), std::min(min.z, v.z)};
            max = {std::max(max.x, v.x), std::max(max.y, v.y), std::max(max.z, v.z)};
        }
        return true;
    }
    /// Casts a ray; on a hit, the nearest hit point and the surface normal there.
    virtual bool intersectRay(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                              util::Vector3<double>& hit, util::Vector3<double>& normal) = 0;
    /// The geometry as world-space triangles.
    virtual bool getTriangles(util::CMesh& mesh) = 0;
    virtual ~CSnapshot_Mesh() = default;
};

} // namespace vex::orb
