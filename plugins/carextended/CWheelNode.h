#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_WheelMesh.h"
#include "plugins/carextended/WheelSuffix.h"

namespace vex::orb::addon {

/// A wheel, turned by its steering angle and rolled by its spin; its scale is its width and radius.
class CWheelNode : public CCarMeshNode {
public:
    /// The node name in the host, before the wheel's suffix.
    static constexpr const char* kName = "WheelMesh";
    /// Wheel `wheel`'s node (0 front left … 3 back right) of `tool` under `parent`, not created yet.
    CWheelNode(CCamera* tool, int wheel, const SceneNode* parent)
        : CCarMeshNode(tool, WheelNodeName(kName, wheel), &MakeMesh<util::CMesh_WheelMesh>, parent) {}
};

} // namespace vex::orb::addon
