#include "system/adaptors/maya/MayaSurfaceShape.h"

#include <maya/MFnNurbsSurface.h>

namespace vex::orb::adaptor::maya {

bool MayaSurfaceShape::IntersectRay(const MPoint& origin, const MVector& direction, MPoint& hit,
                                    MVector& normal) const {
    MStatus status;
    MFnNurbsSurface fn(shape_, &status);
    if (!status) return false;
    double u = 0.0;
    double v = 0.0;
    if (!fn.intersect(origin, direction, u, v, hit, kMFnNurbsEpsilon, MSpace::kWorld)) return false;
    normal = fn.normal(u, v, MSpace::kWorld, &status);
    return static_cast<bool>(status);
}

} // namespace vex::orb::adaptor::maya
