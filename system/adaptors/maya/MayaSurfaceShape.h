#pragma once

#include <maya/MDagPath.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace vex::orb::adaptor::maya {

/// A NURBS surface shape on the Maya API as collision geometry.
class MayaSurfaceShape {
public:
    /// The surface shape at `shape`.
    explicit MayaSurfaceShape(const MDagPath& shape) : shape_(shape) {}

    /// The hit of the ray (world space, host units) nearest to its origin and the surface normal
    /// there; false on a miss.
    bool IntersectRay(const MPoint& origin, const MVector& direction, MPoint& hit, MVector& normal) const;

private:
    MDagPath shape_;
};

} // namespace vex::orb::adaptor::maya
