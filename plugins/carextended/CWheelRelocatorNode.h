#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_AttachToMesh.h"
#include "plugins/carextended/WheelSuffix.h"

namespace vex::orb::addon {

/// Relocator of a wheel: its place under the base is the wheel's rigged centre.
class CWheelRelocatorNode : public CCarMeshNode {
public:
    /// The node name in the host, before the wheel's suffix.
    static constexpr const char* kName = "WheelRelocatorMesh";
    /// Wheel `wheel`'s node (0 front left … 3 back right) of `tool` under `parent`, not created yet.
    CWheelRelocatorNode(CCamera* tool, int wheel, const SceneNode* parent)
        : CCarMeshNode(tool, WheelNodeName(kName, wheel), &MakeMesh<util::CMesh_AttachToMesh>, parent) {}
};

} // namespace vex::orb::addon
