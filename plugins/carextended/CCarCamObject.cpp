#include "plugins/carextended/CCarCamObject.h"

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
    : CCarToolObject(param,
                     {&gravity,
                      &base,
                      &body,
                      &chassisRelocator,
                      &steeringWheel,
                      &driverCam,
                      &wheelRelocators[0],
                      &wheelRelocators[1],
                      &wheelRelocators[2],
                      &wheelRelocators[3],
                      &wheels[0],
                      &wheels[1],
                      &wheels[2],
                      &wheels[3],
                      &wheelCenters[0],
                      &wheelCenters[1],
                      &wheelCenters[2],
                      &wheelCenters[3],
                      &wheelSuspensions[0],
                      &wheelSuspensions[1],
                      &wheelSuspensions[2],
                      &wheelSuspensions[3],
                      &turnBase,
                      &externalForce,
                      &target,
                      &followCam,
                      &topViewCam},
                     RigOf(*this), true),
      gravity(this, nullptr), base(this, nullptr), body(this, &base), chassisRelocator(this, &body),
      steeringWheel(this, &body), driverCam(this, &body),
      wheelRelocators(FourWheels<CWheelRelocatorNode>(this, &base)),
      wheels(FourWheels<CWheelNode>(this, &base)), wheelCenters(FourWheels<CWheelCenterNode>(this, &base)),
      wheelSuspensions(FourWheels<CWheelCenterSuspensionNode>(this, &base)), turnBase(this, &base),
      externalForce(this, nullptr), target(this, nullptr), followCam(this, nullptr),
      topViewCam(this, nullptr) {}

} // namespace vex::orb::addon
