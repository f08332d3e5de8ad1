#include "plugins/carextended/CCarCameraNode.h"

#include "plugins/common/MatrixAccess.h"

#include <utility>

namespace vex::orb::addon {

CCarCameraNode::CCarCameraNode(CCamera* tool, std::string name, const SceneNode* parent)
    : SceneNode(tool, std::move(name)), parent_(parent) {}

bool CCarCameraNode::create() {
    return CreateCameraNode(parent_ != nullptr ? parent_->node : nullptr);
}

void CCarCameraNode::update(double t) {
    WriteLocalMatrix(core(), node, t, localMatrix);
}

} // namespace vex::orb::addon
