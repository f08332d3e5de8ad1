#pragma once

#include "core/CoreNode.h"

namespace vex::orb::adaptor::memory {

class MemoryNode;

/// The collision view of a memory polygon mesh or surface at the snapshot's time, in world space.
class MeshSnapshot : public core::CoreNode::Snapshot_Mesh {
public:
    explicit MeshSnapshot(MemoryNode& node) : node_(node) {}

    /// Replaces the geometry (given in the object's local space).
    void setMesh(const util::CMesh& mesh) override;
    /// The nearest hit of the ray from `origin` along `direction` (not behind the origin), with the
    /// unit normal of the face hit (by its winding: counter-clockwise faces the viewer).
    bool intersectRay(const util::Vector3<double>& origin, const util::Vector3<double>& direction,
                      util::Vector3<double>& hit, util::Vector3<double>& normal) override;
    /// The whole triangles in world space (vertices and faces; triangles indexing past the vertices
    /// are left out). False when there are none.
    bool getTriangles(util::CMesh& mesh) override;

private:
    MemoryNode& node_;
};

} // namespace vex::orb::adaptor::memory
