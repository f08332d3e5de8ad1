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

    /// The reduced page: "General Settings" in plain units, then the channels' response factors.
    ToolPage Page() override;

    /// The drive's acceleration in percent of the top speed gained per second.
    double accelerationPercent = 0.0;
    /// The largest steering angle, in degrees.
    double maxSteeringDegrees = 0.0;
    /// Stiffness and damping of all four corners.
    double stiffness = 0.0;
    double damping = 0.0;

    CGravityDirectionNode gravity;
    CBaseMeshNode base;
    CCarBodyNode body;
    CDriverCamNode driverCam;
    std::array<CWheelNode, 4> wheels;
    CFollowCamNode followCam;
    CTopViewCamNode topViewCam;

protected:
    /// Writes the page's percent, degrees and shared corner values into the parameters.
    void TakePageValues() override;
    /// Shows the parameters in the page's units.
    void ShowPageValues() override;
};

} // namespace vex::orb::addon
