#include "system/adaptors/maya/CMayaSnapshot_MeshNurbs.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaSurfaceShape.h"

namespace vex::orb::adaptor::maya {

bool CMayaSnapshot_MeshNurbs::HostIntersect(const MPoint& origin, const MVector& direction, MPoint& hit,
                                            MVector& normal) const {
    return MayaSurfaceShape(node_.GetPath()).IntersectRay(origin, direction, hit, normal);
}

} // namespace vex::orb::adaptor::maya
