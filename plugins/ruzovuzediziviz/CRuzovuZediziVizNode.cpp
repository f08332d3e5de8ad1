#include "plugins/ruzovuzediziviz/CRuzovuZediziVizNode.h"

#include "interface/CInterface.h"
#include "plugins/common/CameraPose.h"
#include "plugins/common/WorldMatrixAccess.h"
#include "util/Rotation.h"

namespace vex::orb::addon {

CRuzovuZediziVizNode::CRuzovuZediziVizNode(CCamera* tool, const SceneNode& target)
    : CCameraNode(tool, kName, true), target_(target) {}

void CRuzovuZediziVizNode::update(double t) {
    CInterface* c = core();
    if (c == nullptr) return;
    const double h = c->getFrameDuration();

    // Where the FollowCam was one frame ago (the identity when its node cannot be obtained); its
    // scale is kept, only its rotation and position are filtered.
    util::Matrix<double> own;
    ReadWorldMatrix(c, node, t - h, own);
    CameraPose pose = ToCameraPose(own);
    position = pose.transform.translation;
    rotation = pose.transform.rotation;

    // Where the target is now (the identity when it cannot be obtained).
    util::Matrix<double> attached;
    ReadWorldMatrix(c, target_.node, t, attached);
    const util::QTransform<double> goal = util::ToQTransform(attached);

    if (fixateTranslations)
        position = goal.translation;
    else
        FilterTranslation(position, linearVelocity, goal.translation, translationSettings(), h);
    if (fixateRotations)
        rotation = goal.rotation;
    else
        FilterRotation(rotation, angularVelocity, goal.rotation, rotationSettings(), h);

    pose.transform = {position, rotation};
    worldMatrix = ToWorldMatrix(pose);
    WriteWorldMatrix(c, node, t, worldMatrix);
}

util::QTransform<double> CRuzovuZediziVizNode::getFilterState() const {
    return {linearVelocity, {angularVelocity.x, angularVelocity.y, angularVelocity.z, seventhStateValue}};
}

void CRuzovuZediziVizNode::setFilterState(const util::QTransform<double>& state) {
    linearVelocity = state.translation;
    angularVelocity = {state.rotation.x, state.rotation.y, state.rotation.z};
    seventhStateValue = state.rotation.w;
}

SpringSettings CRuzovuZediziVizNode::translationSettings() const {
    return {translationResponseFactor, translationSmoothingFactor, translationMaxVelocity};
}

SpringSettings CRuzovuZediziVizNode::rotationSettings() const {
    return {rotationResponseFactor, rotationSmoothingFactor, rotationMaxVelocity};
}

} // namespace vex::orb::addon
