#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_TurnBaseMesh.h"

namespace vex::orb::addon {

/// The point the car turns about.
class CRelativeTurnBaseNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "TurnBaseMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CRelativeTurnBaseNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_TurnBaseMesh>, parent) {}
};

} // namespace vex::orb::addon
