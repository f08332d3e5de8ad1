#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TargetMesh.h"

namespace vex::orb::addon {

/// The target the car follows in autonomous mode.
class CTargetNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "TargetMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CTargetNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_TargetMesh>, parent) {}
};

} // namespace vex::orb::addon
