#include "plugins/spherecam/CSphereCamNode.h"

#include "plugins/common/MatrixAccess.h"

namespace vex::orb::addon {

void CSphereCamNode::update(double t) {
    WriteWorldMatrix(core(), node, t, worldMatrix);
}

} // namespace vex::orb::addon
