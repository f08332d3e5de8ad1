#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_AttachToMesh.h"

namespace vex::orb::addon {

/// The direction (its −z) the "External Force" input pushes the car along.
class CExternalForceNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "ExternalForceMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CExternalForceNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_AttachToMesh>, parent) {}
};

} // namespace vex::orb::addon
