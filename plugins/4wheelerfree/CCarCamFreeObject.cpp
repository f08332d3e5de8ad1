#include "plugins/4wheelerfree/CCarCamFreeObject.h"

#include <numbers>
#include <string>
#include <vector>

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
    ShowPageValues();
}

ToolPage CCarCamFreeObject::Page() {
    const auto spin = [this](const char* name, double& value, double min, double max, double step,
                             const char* help) -> PageItem {
        return ChannelSpinner(name, help, value, min, max, step, this);
    };
    CarParameters& p = parameters;
    std::vector<PageItem> responses;
    AppendChannelSpinners(responses, " Response Factor", &CarInput::responseFactor);
    return {
        {.name = "General Settings",
         .items = {spin("Top Speed (scale relative)", p.inputs[kGasPedal].maximum, 0.0, 1e4, 0.01,
                        "The top speed in car lengths per second"),
                   spin("Acceleration (in Percent)", accelerationPercent, 0.0, 1e4, 0.1,
                        "How much of the top speed the car gains per second"),
                   spin("Maximum Steering Change Velocity", p.maxSteeringChangeVelocity, 0.001, 100.0, 0.001,
                        "How fast the wheels can turn in rads per sec."),
                   spin("Maximum Steering Angle", maxSteeringDegrees, 0.0, 89.0, 0.1,
                        "The largest angle the front wheels turn, in degrees"),
                   spin("Suspension Stiffness", stiffness, 0.0, 10000.0, 1.0,
                        "Stiffness determines how much force the springs have."),
                   spin("Suspension Damping", damping, 0.0, 10000.0, 0.1,
                        "Damping determines how dull the shock absorbers are."),
                   spin("Gravity", p.gravity, 0.0, 10000.0, 0.001, "Gravity"),
                   CheckBoxItem{
                       .name = kHideHelpers, .help = kHideHelpers, .value = &hideHelpers, .callback = this}}},
        {.name = "Input Property Parameters", .items = std::move(responses)},
    };
}

void CCarCamFreeObject::TakePageValues() {
    parameters.acceleration = accelerationPercent / 100.0 * parameters.inputs[kGasPedal].maximum;
    parameters.inputs[kSteering].maximum = maxSteeringDegrees * std::numbers::pi / 180.0;
    parameters.frontStiffness = parameters.backStiffness = stiffness;
    parameters.frontDamping = parameters.backDamping = damping;
}

void CCarCamFreeObject::ShowPageValues() {
    const double top = parameters.inputs[kGasPedal].maximum;
    accelerationPercent = top > 0.0 ? 100.0 * parameters.acceleration / top : 0.0;
    maxSteeringDegrees = parameters.inputs[kSteering].maximum * 180.0 / std::numbers::pi;
    stiffness = parameters.frontStiffness;
    damping = parameters.frontDamping;
}

} // namespace vex::orb::addon
