#include "plugins/common/CCameraNode.h"

#include "interface/CInterface.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/common/MatrixAccess.h"

#include <utility>

namespace vex::orb::addon {

CCameraNode::CCameraNode(CCamera* tool, std::string name, bool identityOnCreate, const SceneNode* parent)
    : SceneNode(tool, std::move(name)), identityOnCreate_(identityOnCreate), parent_(parent) {}

bool CCameraNode::create() {
    if (!CreateCameraNode(parent_ != nullptr ? parent_->node : nullptr)) return false;
    if (identityOnCreate_) WriteWorldMatrix(core(), node, core()->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CCameraNode::update(double t) {
    (void)t;
}

bool CCameraNode::ReadLens(double t, double& fieldOfView, double& focusDistance) const {
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return false;
    fieldOfView = lens->getFieldOfView();
    focusDistance = lens->getFocusDistance();
    return true;
}

void CCameraNode::WriteLens(double t, bool setFieldOfView, double fieldOfView, bool setFocusDistance,
                            double focusDistance) const {
    if (!setFieldOfView && !setFocusDistance) return;
    ScopedSnapshot<CSnapshot_Lens> lens(core(), node, t);
    if (!lens) return;
    if (setFieldOfView) lens->setFieldOfView(fieldOfView);
    if (setFocusDistance) lens->setFocusDistance(focusDistance);
}

} // namespace vex::orb::addon
