#include "system/adaptors/maya/MayaCurveShape.h"

#include <maya/MFnNurbsCurve.h>

namespace vex::orb::adaptor::maya {

double MayaCurveShape::Length() const {
    MStatus status;
    MFnNurbsCurve fn(shape_, &status);
    if (!status) return 0.0;
    const double length = fn.length(kMFnNurbsEpsilon, &status);
    return status ? length : 0.0;
}

bool MayaCurveShape::PointAtLength(double s, MPoint& point) const {
    MStatus status;
    MFnNurbsCurve fn(shape_, &status);
    if (!status) return false;
    const double param = fn.findParamFromLength(s, &status);
    return status && fn.getPointAtParam(param, point, MSpace::kWorld);
}

bool MayaCurveShape::TangentAtLength(double s, MVector& tangent) const {
    MStatus status;
    MFnNurbsCurve fn(shape_, &status);
    if (!status) return false;
    const double param = fn.findParamFromLength(s, &status);
    if (!status) return false;
    tangent = fn.tangent(param, MSpace::kWorld, &status);
    return static_cast<bool>(status);
}

} // namespace vex::orb::adaptor::maya
