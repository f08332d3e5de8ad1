#pragma once

#include "system/adaptors/maya/CMayaSnapshot_Mesh.h"

namespace vex::orb::adaptor::maya {

/// The collision view of a Maya polygon mesh.
class CMayaSnapshot_MeshPoly : public CMayaSnapshot_Mesh {
public:
    explicit CMayaSnapshot_MeshPoly(CMayaNode& node) : CMayaSnapshot_Mesh(node) {}

    /// Replaces the geometry (in the shape's local space) and triangulates it with history, as the
    /// undo group "setMesh".
    void setMesh(const util::CMesh& mesh) override;
    /// The triangles in core world space; the mesh is left as it was.
    bool getTriangles(util::CMesh& mesh) override;

protected:
    bool HostIntersect(const MPoint& origin, const MVector& direction, MPoint& hit,
                       MVector& normal) const override;
};

} // namespace vex::orb::adaptor::maya
