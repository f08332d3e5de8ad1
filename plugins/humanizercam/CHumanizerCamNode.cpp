#include "plugins/humanizercam/CHumanizerCamNode.h"

#include "interface/CNode.h"
#include "plugins/common/MatrixAccess.h"

namespace vex::orb::addon {

void CHumanizerCamNode::update(double t) {
    WriteLocalMatrix(core(), node, t, localMatrix);
}

util::Vector3<double> CHumanizerCamNode::ParentPosition(double t) const {
    if (node == nullptr) return {};
    CNode* parent = node->getParent();
    const util::Vector3<double> position = WorldPosition(core(), parent, t);
    node->releaseNode(parent);
    return position;
}

} // namespace vex::orb::addon
