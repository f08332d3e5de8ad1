#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

namespace vex::orb::addon {

/// "RayOrigin": where the ray starts; it runs along this node's −z axis, the way the bar of its helper
/// (a cube with a bar along −z) points. Under the world; the user moves, turns, animates or parents it.
class CRayOriginNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "RayOrigin";

    /// The origin of `tool`, not created yet.
    explicit CRayOriginNode(CCamera* tool)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_TargetMesh>, nullptr) {}
};

} // namespace vex::orb::addon
