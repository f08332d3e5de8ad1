#include "system/adaptors/maya/CMayaSnapshot_MeshPoly.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaMeshShape.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "system/adaptors/maya/WorldConversion.h"

namespace vex::orb::adaptor::maya {

void CMayaSnapshot_MeshPoly::setMesh(const util::CMesh& mesh) {
    UndoManagement::Instance().beginGroup("setMesh");
    MayaMeshShape(node_.GetPath()).SetMesh(mesh, util::Matrix<double>(), true);
    UndoManagement::Instance().endGroup("setMesh");
}

bool CMayaSnapshot_MeshPoly::getTriangles(util::CMesh& mesh) {
    if (!MayaMeshShape(node_.GetPath()).GetTriangles(mesh)) return false;
    const WorldConversion world(node_.GetUnits());
    for (util::Vector3<double>& v : mesh.vertices) v = world.ToCore(MPoint(v.x, v.y, v.z));
    return true;
}

bool CMayaSnapshot_MeshPoly::HostIntersect(const MPoint& origin, const MVector& direction, MPoint& hit,
                                           MVector& normal) const {
    return MayaMeshShape(node_.GetPath()).IntersectRay(origin, direction, hit, normal);
}

} // namespace vex::orb::adaptor::maya
