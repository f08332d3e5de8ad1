#include "plugins/ruzovuzediziviz/CRuzovuZediziVizNode.h"

#include "interface/CInterface.h"
#include "plugins/ruzovuzediziviz/WorldMatrixAccess.h"
#include "util/Rotation.h"

namespace vex::orb::addon {

CRuzovuZediziVizNode::CRuzovuZediziVizNode(CCamera* tool, const SceneNode& target)
    : SceneNode(tool, kName), target_(target) {}

bool CRuzovuZediziVizNode::create() {
    if (!createCameraNode(nullptr)) return false;
    WriteWorldMatrix(core(), node, core()->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CRuzovuZediziVizNode::update(double t) {
    CInterface* c = core();
    if (c == nullptr) return;
    const double h = c->getFrameDuration();

    // Where the FollowCam was one frame ago (the identity when its node cannot be obtained); its
    // scale is kept, only its rotation and position are filtered.
    util::Matrix<double> own;
    ReadWorldMatrix(c, node, t - h, own);
    const auto rowLength = [&own](int i) {
        return util::Length(util::Vector3<double>{own.m[i][0], own.m[i][1], own.m[i][2]});
    };
    const util::Vector3<double> scale{rowLength(0), rowLength(1), rowLength(2)};
    const util::QTransform<double> current = util::ToQTransform(own);
    position = current.translation;
    rotation = current.rotation;

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

    worldMatrix = util::ToMatrix(util::QTransform<double>{position, rotation}, scale);
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
