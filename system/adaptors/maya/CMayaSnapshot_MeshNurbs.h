#pragma once

#include "system/adaptors/maya/CMayaSnapshot_Mesh.h"

namespace vex::orb::adaptor::maya {

/// The collision view of a Maya NURBS surface: ray hits only.
class CMayaSnapshot_MeshNurbs : public CMayaSnapshot_Mesh {
public:
    explicit CMayaSnapshot_MeshNurbs(CMayaNode& node) : CMayaSnapshot_Mesh(node) {}

    /// A surface's geometry is not replaced.
    void setMesh(const util::CMesh& mesh) override { (void)mesh; }
    /// A surface offers no triangles: false.
    bool getTriangles(util::CMesh& mesh) override {
        (void)mesh;
        return false;
    }

protected:
    bool HostIntersect(const MPoint& origin, const MVector& direction, MPoint& hit,
                       MVector& normal) const override;
};

} // namespace vex::orb::adaptor::maya
