#include "plugins/common/CFollowCamNode.h"

#include "interface/CInterface.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/MatrixAccess.h"
#include "util/Rotation.h"

namespace vex::orb::addon {

CFollowCamNode::CFollowCamNode(CCamera* tool, const SceneNode& target, bool identityOnCreate)
    : CCameraNode(tool, kName, identityOnCreate), target_(target) {}

void CFollowCamNode::update(double t) {
    CInterface* c = core();
    const double h = c->getFrameDuration();

    util::Matrix<double> own;
    ReadWorldMatrix(c, node, t - h, own);
    CameraPose pose = ToCameraPose(own);
    position = pose.transform.translation;
    rotation = pose.transform.rotation;

    util::Matrix<double> attached;
    ReadWorldMatrix(c, target_.node, t, attached);
    Follow(util::ToQTransform(attached), h);

    pose.transform = {position, rotation};
    worldMatrix = ToWorldMatrix(pose);
    WriteWorldMatrix(c, node, t, worldMatrix);
}

} // namespace vex::orb::addon
