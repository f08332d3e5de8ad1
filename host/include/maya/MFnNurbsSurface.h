#pragma once

#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MSpace.h>
#include <maya/MVector.h>

#ifndef kMFnNurbsEpsilon
#define kMFnNurbsEpsilon 1.0e-3
#endif

/// Function set for surfaces: a nurbsSurface shape or surface data. Surfaces are non-rational
/// B-splines; control vertices are given u-major (index u * numCVsInV + v) and each knot vector has
/// numCVs + degree - 1 entries, as in the API.
class MFnNurbsSurface : public MFnDagNode {
public:
    enum Form { kInvalid, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsSurface() = default;
    explicit MFnNurbsSurface(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnNurbsSurface(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kNurbsSurface; }
    using MFnDagNode::setObject;
    /// Attaches to a surface shape or a surface data object.
    MStatus setObject(const MObject& object) override;

    /// Creates a surface; parents and the answered object as for MFnMesh::create. Rational surfaces
    /// are not supported (the weights of the points are ignored).
    MObject create(const MPointArray& controlVertices, const MDoubleArray& uKnotSequences,
                   const MDoubleArray& vKnotSequences, unsigned int degreeInU, unsigned int degreeInV,
                   Form formU, Form formV, bool createRational, MObject parentOrOwner = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);

    int numCVsInU(MStatus* ReturnStatus = nullptr) const;
    int numCVsInV(MStatus* ReturnStatus = nullptr) const;
    int degreeU(MStatus* ReturnStatus = nullptr) const;
    int degreeV(MStatus* ReturnStatus = nullptr) const;
    MStatus getKnotDomain(double& startU, double& endU, double& startV, double& endV) const;

    /// The point at (u, v).
    MStatus getPointAtParam(double u, double v, MPoint& point, MSpace::Space space = MSpace::kObject) const;
    /// The unit normal at (u, v).
    MVector normal(double u, double v, MSpace::Space space = MSpace::kObject,
                   MStatus* ReturnStatus = nullptr) const;
    /// The hit of a ray (forwards only) nearest to its start: its parameters and point, and with
    /// calculateDistance its distance from the start. The ray and the point are in the given space.
    /// Answers false on a miss; the hit is always exact to the tolerance, so wasExactHit is true.
    bool intersect(const MPoint& rayStartingPoint, const MVector& alongThisDirection, double& u, double& v,
                   MPoint& intersectionPoint, double tolerance = kMFnNurbsEpsilon,
                   MSpace::Space space = MSpace::kObject, bool calculateDistance = false,
                   double* distance = nullptr, bool calculateExactHit = false, bool* wasExactHit = nullptr,
                   MStatus* ReturnStatus = nullptr) const;
};
