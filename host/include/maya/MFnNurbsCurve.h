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

/// Function set for curves: a nurbsCurve shape or curve data. Curves are non-rational B-splines (degree
/// 1 is a polyline); knot vectors have numCVs + degree - 1 entries, as in the API. Lengths are measured
/// in object space.
class MFnNurbsCurve : public MFnDagNode {
public:
    enum Form { kInvalid, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsCurve() = default;
    explicit MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus = nullptr);
    explicit MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus = nullptr);

    MFn::Type type() const override { return MFn::kNurbsCurve; }
    using MFnDagNode::setObject;
    /// Attaches to a curve shape or a curve data object.
    MStatus setObject(const MObject& object) override;

    /// Creates a curve; parents and the answered object as for MFnMesh::create. Rational curves are
    /// not supported (the weights of the points are ignored).
    MObject create(const MPointArray& controlVertices, const MDoubleArray& knotSequences, unsigned int degree,
                   Form form, bool create2D, bool createRational, MObject parentOrOwner = MObject::kNullObj,
                   MStatus* ReturnStatus = nullptr);

    int numCVs(MStatus* ReturnStatus = nullptr) const;
    int degree(MStatus* ReturnStatus = nullptr) const;
    Form form(MStatus* ReturnStatus = nullptr) const;
    int numKnots(MStatus* ReturnStatus = nullptr) const;
    MStatus getCVs(MPointArray& array, MSpace::Space space = MSpace::kObject) const;
    MStatus getKnots(MDoubleArray& array) const;
    MStatus getKnotDomain(double& start, double& end) const;

    /// Arc length of the whole curve.
    double length(double tolerance = kMFnNurbsEpsilon, MStatus* ReturnStatus = nullptr) const;
    /// The parameter at an arc length from the start.
    double findParamFromLength(double length, MStatus* ReturnStatus = nullptr) const;
    /// The arc length from the start to a parameter.
    double findLengthFromParam(double param, MStatus* ReturnStatus = nullptr) const;
    /// The point at a parameter.
    MStatus getPointAtParam(double param, MPoint& point, MSpace::Space space = MSpace::kObject) const;
    /// The unit tangent at a parameter.
    MVector tangent(double param, MSpace::Space space = MSpace::kObject,
                    MStatus* ReturnStatus = nullptr) const;
};
