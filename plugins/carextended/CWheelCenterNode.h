#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_WheelGroundMesh.h"
#include "plugins/carextended/WheelSuffix.h"

namespace vex::orb::addon {

/// A wheel's centre, or its ground contact, optionally aligned to the ground's incline.
class CWheelCenterNode : public CCarMeshNode {
public:
    /// The node name in the host, before the wheel's suffix.
    static constexpr const char* kName = "WheelCenterMesh";
    /// Wheel `wheel`'s node (0 front left … 3 back right) of `tool` under `parent`, not created yet.
    CWheelCenterNode(CCamera* tool, int wheel, const SceneNode* parent)
        : CCarMeshNode(tool, WheelNodeName(kName, wheel), &MakeMesh<util::CMesh_WheelGroundMesh>, parent) {}
};

} // namespace vex::orb::addon
