#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_AttachToMesh.h"

namespace vex::orb::addon {

/// The base of the car body: the car's frame in the world, where the body sits when its springs carry no
/// load.
class CBaseMeshNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "CarBodyBaseMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CBaseMeshNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_AttachToMesh>, parent) {}
};

} // namespace vex::orb::addon
