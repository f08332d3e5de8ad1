#pragma once

#include "core/CoreNode.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace vex::orb::adaptor::maya {

class CMayaNode;

/// The collision view of a Maya surface shape. Rays, hits, normals and triangles are in core world
/// space (metres, Y up); the shape kinds answer them in Maya's world space and units.
class CMayaSnapshot_Mesh : public core::CoreNode::Snapshot_Mesh {
public:
    /// The nearest hit of the ray and the unit normal there; false on a miss.
    bool intersectRay(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                      util::Vector3<double>& hit, util::Vector3<double>& normal) override;

protected:
    explicit CMayaSnapshot_Mesh(CMayaNode& node) : node_(node) {}

    /// The shape's own ray test in Maya's world space and units.
    virtual bool HostIntersect(const MPoint& origin, const MVector& direction, MPoint& hit,
                               MVector& normal) const = 0;

    CMayaNode& node_;
};

} // namespace vex::orb::adaptor::maya
