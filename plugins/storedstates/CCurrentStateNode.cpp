#include "plugins/storedstates/CCurrentStateNode.h"

#include "plugins/carextended/CMesh_TargetMesh.h"
#include "plugins/common/MatrixAccess.h"

namespace vex::orb::addon {

CCurrentStateNode::CCurrentStateNode(CCamera* tool, const SceneNode& cage, bool camera)
    : SceneNode(tool, kName), cage_(cage), camera_(camera) {}

bool CCurrentStateNode::create() {
    if (camera_) return CreateCameraNode(cage_.node);
    return createMeshNode(util::CMesh_TargetMesh(), cage_.node);
}

void CCurrentStateNode::update(double t) {
    WriteLocalMatrix(core(), node, t, localMatrix);
}

} // namespace vex::orb::addon
