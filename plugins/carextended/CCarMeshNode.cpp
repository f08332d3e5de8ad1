#include "plugins/carextended/CCarMeshNode.h"

#include "interface/CMesh.h"
#include "plugins/common/MatrixAccess.h"

#include <utility>

namespace vex::orb::addon {

CCarMeshNode::CCarMeshNode(CCamera* tool, std::string name, MeshMaker makeMesh, const SceneNode* parent)
    : SceneNode(tool, std::move(name)), makeMesh_(makeMesh), parent_(parent) {}

bool CCarMeshNode::create() {
    const std::unique_ptr<util::CMesh> mesh = makeMesh_();
    return createMeshNode(*mesh, parent_ != nullptr ? parent_->node : nullptr);
}

void CCarMeshNode::update(double t) {
    WriteLocalMatrix(core(), node, t, localMatrix);
}

} // namespace vex::orb::addon
