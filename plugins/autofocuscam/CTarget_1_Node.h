#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

namespace vex::orb::addon {

/// The first focus target, "Target_1": where the focal point stands at focal position 0. The user
/// moves it or attaches it to an object.
class CTarget_1_Node : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "Target_1";
    /// The node of `tool` under the world, not created yet.
    explicit CTarget_1_Node(CCamera* tool)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_TargetMesh>, nullptr) {}
};

} // namespace vex::orb::addon
