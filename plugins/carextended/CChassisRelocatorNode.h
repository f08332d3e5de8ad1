#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_AttachToMesh.h"

namespace vex::orb::addon {

/// Relocator of the chassis: the user attaches the chassis model to it.
class CChassisRelocatorNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "ChassisRelocatorMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CChassisRelocatorNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_AttachToMesh>, parent) {}
};

} // namespace vex::orb::addon
