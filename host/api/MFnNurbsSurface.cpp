#include "host/api/GeometryAccess.h"
#include "host/scene/SurfaceData.h"

#include <maya/MFnNurbsSurface.h>

using namespace vex::host;
using convert::failure;
using convert::report;
using Access = GeometryAccess<SurfaceData>;

MFnNurbsSurface::MFnNurbsSurface(const MObject& object, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(object));
}

MFnNurbsSurface::MFnNurbsSurface(const MDagPath& path, MStatus* ReturnStatus) {
    report(ReturnStatus, setObject(path));
}

MStatus MFnNurbsSurface::setObject(const MObject& object) {
    if (!Access::accepts(object, MFn::kNurbsSurface)) {
        object_ = MObject();
        return failure("the object is neither a surface nor surface data", MStatus::kInvalidParameter);
    }
    object_ = object;
    return MStatus::kSuccess;
}

MObject MFnNurbsSurface::create(const MPointArray& controlVertices, const MDoubleArray& uKnotSequences,
                                const MDoubleArray& vKnotSequences, unsigned int degreeInU,
                                unsigned int degreeInV, Form, Form, bool, MObject parentOrOwner,
                                MStatus* ReturnStatus) {
    // The number of CVs in u follows from the u knots and degree: knots = numCVs + degree - 1.
    const int numU = static_cast<int>(uKnotSequences.length()) - static_cast<int>(degreeInU) + 1;
    const int numV = static_cast<int>(vKnotSequences.length()) - static_cast<int>(degreeInV) + 1;
    auto surface = std::make_shared<SurfaceData>();
    if (!surface->set(controlVertices.values(), numU, numV, uKnotSequences.values(), vKnotSequences.values(),
                      static_cast<int>(degreeInU), static_cast<int>(degreeInV)))
        return report(ReturnStatus, failure("the knots do not fit the control vertices and degrees",
                                            MStatus::kInvalidParameter)),
               MObject();
    if (ObjectAccess::as<SurfaceData>(parentOrOwner)) {
        object_ = parentOrOwner;
        report(ReturnStatus, Access::write(*this, surface));
        return parentOrOwner;
    }
    MStatus status;
    const MObject answer = MFnDagNode::create("nurbsSurface", parentOrOwner, &status);
    if (!status) return report(ReturnStatus, status), MObject();
    report(ReturnStatus, Access::write(*this, surface));
    return answer;
}

int MFnNurbsSurface::numCVsInU(MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    return surface ? surface->NumU() : 0;
}

int MFnNurbsSurface::numCVsInV(MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    return surface ? surface->NumV() : 0;
}

int MFnNurbsSurface::degreeU(MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    return surface ? surface->DegreeU() : 0;
}

int MFnNurbsSurface::degreeV(MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    return surface ? surface->DegreeV() : 0;
}

MStatus MFnNurbsSurface::getKnotDomain(double& startU, double& endU, double& startV, double& endV) const {
    MStatus status;
    auto surface = Access::read(*this, &status);
    if (surface) surface->Domain(startU, endU, startV, endV);
    return status;
}

MStatus MFnNurbsSurface::getPointAtParam(double u, double v, MPoint& point, MSpace::Space space) const {
    MStatus status;
    auto surface = Access::read(*this, &status);
    if (!surface) return status;
    if (surface->Points().empty())
        return failure("the surface has no control vertices", MStatus::kInvalidParameter);
    point = surface->PointAt(u, v) * Access::toSpace(*this, space);
    return MStatus::kSuccess;
}

MVector MFnNurbsSurface::normal(double u, double v, MSpace::Space space, MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    return surface ? surface->NormalAt(u, v).transformAsNormal(Access::toSpace(*this, space)) : MVector();
}

bool MFnNurbsSurface::intersect(const MPoint& rayStartingPoint, const MVector& alongThisDirection, double& u,
                                double& v, MPoint& intersectionPoint, double, MSpace::Space space,
                                bool calculateDistance, double* distance, bool, bool* wasExactHit,
                                MStatus* ReturnStatus) const {
    auto surface = Access::read(*this, ReturnStatus);
    if (!surface) return false;
    const MMatrix toSpace = Access::toSpace(*this, space);
    const MMatrix toObject = toSpace.inverse();
    const auto hit = surface->intersect(rayStartingPoint * toObject, alongThisDirection * toObject);
    if (!hit) return false;
    u = hit->u;
    v = hit->v;
    intersectionPoint = hit->point * toSpace;
    if (calculateDistance && distance) *distance = rayStartingPoint.distanceTo(intersectionPoint);
    if (wasExactHit) *wasExactHit = true;
    return true;
}
