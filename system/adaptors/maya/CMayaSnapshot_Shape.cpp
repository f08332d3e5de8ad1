#include "system/adaptors/maya/CMayaSnapshot_Shape.h"

#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/HostUnits.h"
#include "system/adaptors/maya/MayaCurveShape.h"
#include "system/adaptors/maya/WorldConversion.h"

namespace vex::orb::adaptor::maya {

double CMayaSnapshot_Shape::getLength() {
    return MayaCurveShape(node_.GetPath()).Length() / node_.GetUnits().GetMetre();
}

void CMayaSnapshot_Shape::getPointAtLength(util::Vector3<double>& point, double s) {
    MPoint host;
    if (MayaCurveShape(node_.GetPath()).PointAtLength(s * node_.GetUnits().GetMetre(), host))
        point = WorldConversion(node_.GetUnits()).ToCore(host);
}

void CMayaSnapshot_Shape::getTangentAtLength(util::Vector3<double>& tangent, double s) {
    MVector host;
    if (MayaCurveShape(node_.GetPath()).TangentAtLength(s * node_.GetUnits().GetMetre(), host))
        tangent = WorldConversion(node_.GetUnits()).ToCoreUnitDirection(host);
}

} // namespace vex::orb::adaptor::maya
