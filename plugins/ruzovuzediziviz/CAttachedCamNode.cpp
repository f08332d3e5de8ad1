#include "plugins/ruzovuzediziviz/CAttachedCamNode.h"

#include "interface/CInterface.h"
#include "plugins/ruzovuzediziviz/WorldMatrixAccess.h"

namespace vex::orb::addon {

CAttachedCamNode::CAttachedCamNode(CCamera* tool) : SceneNode(tool, kName) {}

bool CAttachedCamNode::create() {
    if (!createCameraNode(nullptr)) return false;
    WriteWorldMatrix(core(), node, core()->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CAttachedCamNode::update(double t) {
    (void)t;
}

} // namespace vex::orb::addon
