#pragma once

#include "plugins/carextended/CBaseMeshNode.h"
#include "plugins/carextended/CCarBodyNode.h"
#include "plugins/carextended/CCarFollowCamNode.h"
#include "plugins/carextended/CCarToolObject.h"
#include "plugins/carextended/CChassisRelocatorNode.h"
#include "plugins/carextended/CDriverCamNode.h"
#include "plugins/carextended/CExternalForceNode.h"
#include "plugins/carextended/CGravityDirectionNode.h"
#include "plugins/carextended/CRelativeTurnBaseNode.h"
#include "plugins/carextended/CSteeringWheelNode.h"
#include "plugins/carextended/CTargetNode.h"
#include "plugins/carextended/CTopViewCamNode.h"
#include "plugins/carextended/CWheelCenterNode.h"
#include "plugins/carextended/CWheelCenterSuspensionNode.h"
#include "plugins/carextended/CWheelNode.h"
#include "plugins/carextended/CWheelRelocatorNode.h"

#include <array>

namespace vex::orb::addon {

/// The four-wheeler: a car on four ray-cast wheels driven in real time over the ground surfaces around
/// its GravityDirectionMesh, with relocators to attach the user's car model to, three cameras and an
/// autonomous mode that follows the TargetMesh.
class CCarCamObject : public CCarToolObject {
public:
    using CBaseMeshNode = addon::CBaseMeshNode;
    using CCarBodyNode = addon::CCarBodyNode;
    using CChassisRelocatorNode = addon::CChassisRelocatorNode;
    using CWheelRelocatorNode = addon::CWheelRelocatorNode;
    using CWheelNode = addon::CWheelNode;
    using CWheelCenterNode = addon::CWheelCenterNode;
    using CWheelCenterSuspensionNode = addon::CWheelCenterSuspensionNode;
    using CSteeringWheelNode = addon::CSteeringWheelNode;
    using CRelativeTurnBaseNode = addon::CRelativeTurnBaseNode;
    using CGravityDirectionNode = addon::CGravityDirectionNode;
    using CExternalForceNode = addon::CExternalForceNode;
    using CTargetNode = addon::CTargetNode;
    using CFollowCamNode = CCarFollowCamNode;
    using CDriverCamNode = addon::CDriverCamNode;
    using CTopViewCamNode = addon::CTopViewCamNode;
    using CollisionObjects = addon::CollisionObjects;

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CCarCamObject(const CreateParam& param);

    CGravityDirectionNode gravity;
    CBaseMeshNode base;
    CCarBodyNode body;
    CChassisRelocatorNode chassisRelocator;
    CSteeringWheelNode steeringWheel;
    CDriverCamNode driverCam;
    std::array<CWheelRelocatorNode, 4> wheelRelocators;
    std::array<CWheelNode, 4> wheels;
    std::array<CWheelCenterNode, 4> wheelCenters;
    std::array<CWheelCenterSuspensionNode, 4> wheelSuspensions;
    CRelativeTurnBaseNode turnBase;
    CExternalForceNode externalForce;
    CTargetNode target;
    CFollowCamNode followCam;
    CTopViewCamNode topViewCam;
};

} // namespace vex::orb::addon
