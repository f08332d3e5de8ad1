#include "plugins/common/CHumanoidNode.h"

#include "interface/CInterface.h"
#include "plugins/common/CMesh_HumanoidMesh.h"
#include "plugins/common/MatrixAccess.h"

namespace vex::orb::addon {

CHumanoidNode::CHumanoidNode(CCamera* tool) : SceneNode(tool, kName) {}

bool CHumanoidNode::create() {
    const util::CMesh_HumanoidMesh mesh;
    if (!createMeshNode(mesh, nullptr)) return false;
    localMatrix = util::Matrix<double>();
    for (int i = 0; i < 3; ++i) localMatrix.m[3][i] = kPlacement[i];
    WriteLocalMatrix(core(), node, core()->getCurrentTime(), localMatrix);
    return true;
}

void CHumanoidNode::update(double t) {
    (void)t;
}

} // namespace vex::orb::addon
