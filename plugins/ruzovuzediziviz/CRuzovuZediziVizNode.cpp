#include "plugins/ruzovuzediziviz/CRuzovuZediziVizNode.h"

namespace vex::orb::addon {

CRuzovuZediziVizNode::CRuzovuZediziVizNode(CCamera* tool, const SceneNode& target)
    : CFollowCamNode(tool, target, true) {}

void CRuzovuZediziVizNode::Follow(const util::QTransform<double>& goal, double h) {
    if (fixateTranslations)
        position = goal.translation;
    else
        FilterTranslation(position, linearVelocity, goal.translation, TranslationSettings(), h);
    if (fixateRotations)
        rotation = goal.rotation;
    else
        FilterRotation(rotation, angularVelocity, goal.rotation, RotationSettings(), h);
}

util::QTransform<double> CRuzovuZediziVizNode::GetState() const {
    return {linearVelocity, {angularVelocity.x, angularVelocity.y, angularVelocity.z, seventhStateValue}};
}

void CRuzovuZediziVizNode::SetState(const util::QTransform<double>& state) {
    linearVelocity = state.translation;
    angularVelocity = {state.rotation.x, state.rotation.y, state.rotation.z};
    seventhStateValue = state.rotation.w;
}

SpringSettings CRuzovuZediziVizNode::TranslationSettings() const {
    return {translationResponseFactor, translationSmoothingFactor, translationMaxVelocity};
}

SpringSettings CRuzovuZediziVizNode::RotationSettings() const {
    return {rotationResponseFactor, rotationSmoothingFactor, rotationMaxVelocity};
}

} // namespace vex::orb::addon
