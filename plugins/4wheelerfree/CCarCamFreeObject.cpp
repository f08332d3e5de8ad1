#include "plugins/4wheelerfree/CCarCamFreeObject.h"

namespace vex::orb::addon {
namespace {

// The reduced rig by role: the wheels stand in for their relocators.
CarRig RigOf(CCarCamFreeObject& tool) {
    CarRig rig{.gravity = &tool.gravity,
               .base = &tool.base,
               .body = &tool.body,
               .driverCam = &tool.driverCam,
               .followCam = &tool.followCam,
               .topViewCam = &tool.topViewCam};
    for (std::size_t w = 0; w < 4; ++w) {
        rig.wheelRelocators[w] = &tool.wheels[w];
        rig.wheels[w] = &tool.wheels[w];
    }
    return rig;
}

} // namespace

CCarCamFreeObject::CCarCamFreeObject(const CreateParam& param)
    : CCarToolObject(param, false), gravity(this, nullptr), base(this, nullptr), body(this, &base),
      driverCam(this, &body), wheels{CWheelNode(this, 0, &base), CWheelNode(this, 1, &base),
                                     CWheelNode(this, 2, &base), CWheelNode(this, 3, &base)},
      followCam(this, nullptr), topViewCam(this, nullptr) {
    Attach({&gravity, &base, &body, &driverCam, &wheels[0], &wheels[1], &wheels[2], &wheels[3], &followCam,
            &topViewCam},
           RigOf(*this));
}

} // namespace vex::orb::addon
