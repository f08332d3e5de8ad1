#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_GravityDirectionMesh.h"

namespace vex::orb::addon {

/// The down direction (its −y); the ground surfaces are its parent or its children.
class CGravityDirectionNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "GravityDirectionMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CGravityDirectionNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_GravityDirectionMesh>, parent) {}
};

} // namespace vex::orb::addon
