#include "plugins/common/CWorldCameraNode.h"

#include "plugins/common/MatrixAccess.h"

namespace vex::orb::addon {

void CWorldCameraNode::update(double t) {
    WriteWorldMatrix(core(), node, t, worldMatrix);
}

} // namespace vex::orb::addon
