#include "plugins/gyro/CGyroHelperNode.h"

#include "interface/CInterface.h"
#include "interface/CMesh_Box.h"
#include "interface/CMesh_Cylinder.h"
#include "interface/ScopedSnapshot.h"
#include "plugins/common/MatrixAccess.h"

#include <memory>
#include <string_view>

namespace vex::orb::addon {
namespace {

// Helper shapes, in metres: a cube for the pivot, a plate for the gyro, a lens-like cylinder for the eye.
constexpr double kPivotSide = 0.2;
constexpr double kPlateSide = 0.6;
constexpr double kPlateThickness = 0.05;
constexpr int kEyeSegments = 12;
constexpr double kEyeRadius = 0.1;
constexpr double kEyeLength = 0.3;

struct Look {
    std::unique_ptr<util::CMesh> mesh;
    float r, g, b;
};

Look LookFor(std::string_view name) {
    if (name == "gyro")
        return {std::make_unique<util::CMesh_Box>(kPlateSide, kPlateThickness, kPlateSide), 0.2f, 0.8f, 0.2f};
    if (name == "eye")
        return {std::make_unique<util::CMesh_Cylinder>(kEyeSegments, kEyeRadius, kEyeLength), 0.2f, 0.4f,
                1.0f};
    return {std::make_unique<util::CMesh_Box>(kPivotSide, kPivotSide, kPivotSide), 1.0f, 0.3f, 0.2f};
}

} // namespace

CGyroHelperNode::CGyroHelperNode(CCamera* tool, const char* name) : SceneNode(tool, name) {}

bool CGyroHelperNode::create() {
    const Look look = LookFor(name);
    if (!createMeshNode(*look.mesh, nullptr)) return false;
    CInterface* c = core();
    if (ScopedSnapshot<CSnapshot_Helper> helper(c, node); helper) helper->setColor(look.r, look.g, look.b);
    WriteWorldMatrix(c, node, c->getCurrentTime(), util::Matrix<double>());
    return true;
}

void CGyroHelperNode::update(double t) {
    (void)t;
}

util::Matrix<double> CGyroHelperNode::ReadWorld(double t) {
    util::Matrix<double> world;
    ReadWorldMatrix(core(), node, t, world);
    return world;
}

} // namespace vex::orb::addon
