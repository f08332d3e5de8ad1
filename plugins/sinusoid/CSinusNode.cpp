#include "plugins/sinusoid/CSinusNode.h"

#include "interface/CInterface.h"
#include "interface/CMesh_Box.h"
#include "plugins/common/MatrixAccess.h"
#include "plugins/sinusoid/CMesh_SinusMesh.h"
#include "plugins/sinusoid/SinusWave.h"

namespace vex::orb::addon {
namespace {

/// Edge of the reference node's box helper.
constexpr double kReferenceBoxSize = 0.2;

} // namespace

CSinusNode::CSinusNode(CCamera* tool, const SceneNode& reference)
    : SceneNode(tool, kName), reference_(reference) {}

bool CSinusNode::create() {
    if (!createMeshNode(util::CMeshSinusMesh(), nullptr)) return false;
    WriteWorldMatrix(core(), node, core()->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CSinusNode::update(double t) {
    CInterface* c = core();
    util::Matrix<double> reference;
    ReadWorldMatrix(c, reference_.node, t, reference);
    position = PointOnReferenceAxis(reference, value);
    util::Matrix<double> world;
    ReadWorldMatrix(c, node, t, world);
    world.m[3][0] = position.x;
    world.m[3][1] = position.y;
    world.m[3][2] = position.z;
    worldMatrix = world;
    WriteWorldMatrix(c, node, t, world);
}

bool CReferenceNode::create() {
    if (!createMeshNode(util::CMesh_Box(kReferenceBoxSize, kReferenceBoxSize, kReferenceBoxSize), nullptr))
        return false;
    WriteWorldMatrix(core(), node, core()->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CReferenceNode::update(double t) {
    (void)t;
}

} // namespace vex::orb::addon
