#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_CarBodyMesh.h"

namespace vex::orb::addon {

/// The car body, tilted and lifted by the suspension on top of its base; its scale is the car's length.
class CCarBodyNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "CarBodyMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CCarBodyNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_CarBodyMesh>, parent) {}
};

} // namespace vex::orb::addon
