#include "host/api/GeometryAccess.h"
#include "host/scene/CurveData.h"

#include <maya/MFnNurbsCurve.h>

using namespace vex::host;
using convert::failure;
using convert::report;
using Access = GeometryAccess<CurveData>;

MFnNurbsCurve::MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(path));
}

MStatus MFnNurbsCurve::setObject(const MObject& object) {
    if (!Access::accepts(object, MFn::kNurbsCurve)) {
        object_ = MObject();
        return failure("the object is neither a curve nor curve data", MStatus::kInvalidParameter);
    }
    object_ = object;
    return MStatus::kSuccess;
}

MObject MFnNurbsCurve::create(const MPointArray& controlVertices, const MDoubleArray& knotSequences,
                              unsigned int degree, Form form, bool, bool, MObject parentOrOwner,
                              MStatus* ReturnStatus) {
    auto curve = std::make_shared<CurveData>();
    const auto dataForm =
        form == kClosed ? CurveData::kClosed : (form == kPeriodic ? CurveData::kPeriodic : CurveData::kOpen);
    if (!curve->set(controlVertices.values(), knotSequences.values(), static_cast<int>(degree), dataForm))
        return report(ReturnStatus, failure("the knots do not fit the control vertices and degree",
                                            MStatus::kInvalidParameter)),
               MObject();
    if (ObjectAccess::as<CurveData>(parentOrOwner)) {
        object_ = parentOrOwner;
        report(ReturnStatus, Access::write(*this, curve));
        return parentOrOwner;
    }
    MStatus status;
    const MObject answer = MFnDagNode::create("nurbsCurve", parentOrOwner, &status);
    if (!status) return report(ReturnStatus, status), MObject();
    report(ReturnStatus, Access::write(*this, curve));
    return answer;
}

int MFnNurbsCurve::numCVs(MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? static_cast<int>(curve->Points().size()) : 0;
}

int MFnNurbsCurve::degree(MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? curve->Degree() : 0;
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? static_cast<Form>(curve->GetForm()) : kInvalid;
}

int MFnNurbsCurve::numKnots(MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? static_cast<int>(curve->Knots().size()) : 0;
}

MStatus MFnNurbsCurve::getCVs(MPointArray& array, MSpace::Space space) const {
    MStatus status;
    auto curve = Access::read(*this, &status);
    if (!curve) return status;
    const MMatrix m = Access::toSpace(*this, space);
    array.clear();
    for (const MPoint& p : curve->Points()) array.append(p * m);
    return MStatus::kSuccess;
}

MStatus MFnNurbsCurve::getKnots(MDoubleArray& array) const {
    MStatus status;
    auto curve = Access::read(*this, &status);
    if (curve) array = MDoubleArray(curve->Knots().data(), static_cast<unsigned int>(curve->Knots().size()));
    return status;
}

MStatus MFnNurbsCurve::getKnotDomain(double& start, double& end) const {
    MStatus status;
    auto curve = Access::read(*this, &status);
    if (curve) curve->Domain(start, end);
    return status;
}

double MFnNurbsCurve::length(double, MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? curve->length() : 0.0;
}

double MFnNurbsCurve::findParamFromLength(double length, MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? curve->ParamAtLength(length) : 0.0;
}

double MFnNurbsCurve::findLengthFromParam(double param, MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? curve->LengthAtParam(param) : 0.0;
}

MStatus MFnNurbsCurve::getPointAtParam(double param, MPoint& point, MSpace::Space space) const {
    MStatus status;
    auto curve = Access::read(*this, &status);
    if (!curve) return status;
    if (curve->IsEmpty()) return failure("the curve has no control vertices", MStatus::kInvalidParameter);
    point = curve->PointAt(param) * Access::toSpace(*this, space);
    return MStatus::kSuccess;
}

MVector MFnNurbsCurve::tangent(double param, MSpace::Space space, MStatus* ReturnStatus) const {
    auto curve = Access::read(*this, ReturnStatus);
    return curve ? (curve->DerivativeAt(param) * Access::toSpace(*this, space)).normal() : MVector();
}
