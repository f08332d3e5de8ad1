#pragma once

#include <maya/MDagPath.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace vex::orb::adaptor::maya {

/// A NURBS curve shape on the Maya API measured by arc length (host units); points and tangents
/// are in world space.
class MayaCurveShape {
public:
    /// The curve shape at `shape`.
    explicit MayaCurveShape(const MDagPath& shape) : shape_(shape) {}

    /// The curve's arc length; 0 when it cannot be read.
    double Length() const;
    /// The point at arc length `s` from the start; false when it cannot be read.
    bool PointAtLength(double s, MPoint& point) const;
    /// The unit tangent at arc length `s` from the start; false when it cannot be read.
    bool TangentAtLength(double s, MVector& tangent) const;

private:
    MDagPath shape_;
};

} // namespace vex::orb::adaptor::maya
