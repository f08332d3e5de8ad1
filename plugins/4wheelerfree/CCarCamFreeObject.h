#pragma once

#include "plugins/carextended/CBaseMeshNode.h"
#include "plugins/carextended/CCarBodyNode.h"
#include "plugins/carextended/CCarFollowCamNode.h"
#include "plugins/carextended/CCarToolObject.h"
#include "plugins/carextended/CDriverCamNode.h"
#include "plugins/carextended/CGravityDirectionNode.h"
#include "plugins/carextended/CTopViewCamNode.h"
#include "plugins/carextended/CWheelNode.h"

#include <array>

namespace vex::orb::addon {

/// The reduced four-wheeler: the same car on a rig of only its base, body, wheels, the
/// GravityDirectionMesh and three cameras. The wheels' rigged places are the wheel centres. It has no
/// autonomous mode, no external-force direction of its own (the input pushes forwards) and no output
/// channels.
class CCarCamFreeObject : public CCarToolObject {
public:
    using CBaseMeshNode = addon::CBaseMeshNode;
    using CCarBodyNode = addon::CCarBodyNode;
    using CDriverCamNode = addon::CDriverCamNode;
    using CFollowCamNode = CCarFollowCamNode;
    using CGravityDirectionNode = addon::CGravityDirectionNode;
    using CTopViewCamNode = addon::CTopViewCamNode;
    using CWheelNode = addon::CWheelNode;

    /// Copies the plug-in and the instance name; the nodes are not created yet.
    explicit CCarCamFreeObject(const CreateParam& param);

    CGravityDirectionNode gravity;
    CBaseMeshNode base;
    CCarBodyNode body;
    CDriverCamNode driverCam;
    std::array<CWheelNode, 4> wheels;
    CFollowCamNode followCam;
    CTopViewCamNode topViewCam;
};

} // namespace vex::orb::addon
