#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_AttachToMesh.h"
#include "plugins/carextended/WheelSuffix.h"

namespace vex::orb::addon {

/// A wheel's centre as the suspension moves it, turned by the steering angle only.
class CWheelCenterSuspensionNode : public CCarMeshNode {
public:
    /// The node name in the host, before the wheel's suffix.
    static constexpr const char* kName = "WheelCenterSuspensionMesh";
    /// Wheel `wheel`'s node (0 front left … 3 back right) of `tool` under `parent`, not created yet.
    CWheelCenterSuspensionNode(CCamera* tool, int wheel, const SceneNode* parent)
        : CCarMeshNode(tool, WheelNodeName(kName, wheel), &MakeMesh<util::CMesh_AttachToMesh>, parent) {}
};

} // namespace vex::orb::addon
