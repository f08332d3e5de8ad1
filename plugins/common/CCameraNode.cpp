#include "plugins/common/CCameraNode.h"

#include "interface/CInterface.h"
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

} // namespace vex::orb::addon
