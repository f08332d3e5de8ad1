#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

namespace vex::orb::addon {

/// The second focus target, "Target_2": where the focal point stands at focal position 1. The user
/// moves it or attaches it to an object.
class CTarget_2_Node : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Target_2";
    /// The node of `tool` under the world, not created yet.
    explicit CTarget_2_Node(CCamera* tool)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_TargetMesh>, nullptr) {}
};

} // namespace vex::orb::addon
