#pragma once

#include "plugins/carextended/CCarMeshNode.h"
#include "plugins/carextended/CMesh_SteeringWheelMesh.h"

namespace vex::orb::addon {

/// The steering wheel, rotated by the steering angle times "Steering Wheel Rot Mult".
class CSteeringWheelNode : public CCarMeshNode {
public:
    /// The node name in the host.
    static constexpr const char* kName = "SteeringWheelMesh";
    /// The node of `tool` under `parent` (null: the world), not created yet.
    CSteeringWheelNode(CCamera* tool, const SceneNode* parent)
        : CCarMeshNode(tool, kName, &MakeMesh<util::CMesh_SteeringWheelMesh>, parent) {}
};

} // namespace vex::orb::addon
