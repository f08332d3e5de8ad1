#include "system/adaptors/maya/CMayaSnapshot_Mesh.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/WorldConversion.h"

namespace vex::orb::adaptor::maya {

bool CMayaSnapshot_Mesh::intersectRay(const util::Vector3<double>& origin,
                                      const util::Vector3<double>& direction, util::Vector3<double>& hit,
                                      util::Vector3<double>& normal) {
    const WorldConversion world(node_.GetUnits());
    MPoint hostHit;
    MVector hostNormal;
    if (!HostIntersect(world.ToHost(origin), world.ToHostDirection(direction), hostHit, hostNormal))
        return false;
    hit = world.ToCore(hostHit);
    normal = world.ToCoreUnitDirection(hostNormal);
    return true;
}

} // namespace vex::orb::adaptor::maya
