#include "plugins/carextended/CCarCamObject.h"

#include <utility>
#include <vector>

namespace vex::orb::addon {
namespace {

// The rig of the full tool, by role.
CarRig RigOf(CCarCamObject& tool) {
    CarRig rig{.gravity = &tool.gravity,
               .base = &tool.base,
               .body = &tool.body,
               .chassisRelocator = &tool.chassisRelocator,
               .steeringWheel = &tool.steeringWheel,
               .driverCam = &tool.driverCam,
               .turnBase = &tool.turnBase,
               .externalForce = &tool.externalForce,
               .target = &tool.target,
               .followCam = &tool.followCam,
               .topViewCam = &tool.topViewCam};
    for (std::size_t w = 0; w < 4; ++w) {
        rig.wheelRelocators[w] = &tool.wheelRelocators[w];
        rig.wheels[w] = &tool.wheels[w];
        rig.wheelCenters[w] = &tool.wheelCenters[w];
        rig.wheelSuspensions[w] = &tool.wheelSuspensions[w];
    }
    return rig;
}

// Four nodes of a wheel role, wheel by wheel, under `parent`.
template <class Node>
std::array<Node, 4> FourWheels(CCamera* tool, const SceneNode* parent) {
    return {Node(tool, 0, parent), Node(tool, 1, parent), Node(tool, 2, parent), Node(tool, 3, parent)};
}

} // namespace

// Creation order: a parent before its children. The GravityDirectionMesh and the base are at the world
// root, the body on the base, its relocator, steering wheel and driver's camera on the body, the wheels'
// nodes and the turn base on the base, the rest at the root.
CCarCamObject::CCarCamObject(const CreateParam& param)
    : CCarToolObject(param, true), gravity(this, nullptr), base(this, nullptr), body(this, &base),
      chassisRelocator(this, &body), steeringWheel(this, &body), driverCam(this, &body),
      wheelRelocators(FourWheels<CWheelRelocatorNode>(this, &base)),
      wheels(FourWheels<CWheelNode>(this, &base)), wheelCenters(FourWheels<CWheelCenterNode>(this, &base)),
      wheelSuspensions(FourWheels<CWheelCenterSuspensionNode>(this, &base)), turnBase(this, &base),
      externalForce(this, nullptr), target(this, nullptr), followCam(this, nullptr),
      topViewCam(this, nullptr) {
    std::vector<SceneNode*> nodes{&gravity, &base, &body, &chassisRelocator, &steeringWheel, &driverCam};
    const auto addWheels = [&nodes](auto& row) {
        for (SceneNode& node : row) nodes.push_back(&node);
    };
    addWheels(wheelRelocators);
    addWheels(wheels);
    addWheels(wheelCenters);
    addWheels(wheelSuspensions);
    nodes.insert(nodes.end(), {&turnBase, &externalForce, &target, &followCam, &topViewCam});
    Attach(std::move(nodes), RigOf(*this));
}

} // namespace vex::orb::addon
