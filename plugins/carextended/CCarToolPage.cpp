// The four-wheeler's configuration page, group by group.

#include "plugins/carextended/CCarToolObject.h"

#include <utility>

namespace vex::orb::addon {

void CCarToolObject::AppendChannelSpinners(std::vector<PageItem>& items, const char* suffix,
                                           double CarInput::*value) {
    for (std::size_t k = 0; k < kCarInputCount; ++k) {
        items.push_back(SpinnerItem{.name = std::string(kInputNames[k]) + suffix,
                                    .help = std::string(kInputHelps[k]) + ":" + suffix,
                                    .value = &(parameters.inputs[k].*value),
                                    .min = 0.0,
                                    .max = 1e16,
                                    .step = 0.001,
                                    .setting = 1,
                                    .channel = true,
                                    .callback = this});
    }
}

ToolPage CCarToolObject::Page() {
    // Every spinner turns with its own channel and tells the tool, whose gauges follow the values.
    const auto spin = [this](const char* name, double& value, double min, double max, double step,
                             const char* help = nullptr) -> PageItem {
        return ChannelSpinner(name, help != nullptr ? help : name, value, min, max, step, this);
    };
    const auto intSpin = [this](const char* name, int& value, int min, int max) -> PageItem {
        return IntSpinnerItem{.name = name,
                              .help = name,
                              .value = &value,
                              .min = min,
                              .max = max,
                              .step = 1,
                              .setting = 10,
                              .channel = true,
                              .callback = this};
    };
    const auto check = [](const char* name, bool& value, CInterface::Callback* callback,
                          const char* help = nullptr) -> PageItem {
        return CheckBoxItem{
            .name = name, .help = help != nullptr ? help : name, .value = &value, .callback = callback};
    };
    CarParameters& p = parameters;

    std::vector<PageItem> inputs{spin("Acceleration (scale relative)", p.acceleration, 0.001, 1e6, 0.01)};
    AppendChannelSpinners(inputs, " Response Factor", &CarInput::responseFactor);
    AppendChannelSpinners(inputs, " Maximum", &CarInput::maximum);

    return {
        {.name = "Gauges (read only)",
         .items =
             {spin("Initital Velocity (% of max)", p.initialVelocityPercent, 0.0, 1000.0, 1.0),
              spin("Multiplier", velocityMultiplier, 0.001, 1e7, 0.001,
                   "Converts metres per second into the unit the gauges read: 3.6 gives km/h, 2.2369 mph"),
              spin("World Space Maximum Velocity Gauge", maxVelocityGauge, 0.0, 100000.0, 1.0),
              spin("Current Velocity", currentVelocity, -1e7, 1e7, 0.01),
              spin("Current Velocity (% of max)", currentVelocityPercent, -1e7, 1e7, 0.01),
              spin("World Space Acceleration Gauge (seconds from 0 to 100)", accelerationGauge100, 0.0, 1e6,
                   0.01),
              spin("World Space Acceleration Gauge (seconds from 0 to 60)", accelerationGauge60, 0.0, 1e6,
                   0.01)}},
        {.name = "General Modes",
         .items = {ButtonItem{.name = kReinitialize,
                              .help = "Press to enable re-initialization of the car's physical attributes",
                              .callback = this},
                   check(kHideHelpers, hideHelpers, this),
                   check("Hide Helpers During Recording", hideHelpersDuringRecording, nullptr),
                   check(kHideFollowCam, hideFollowCam, this), check(kHideDriverCam, hideDriverCam, this),
                   check(kHideTopViewCam, hideTopViewCam, this),
                   check("Enable Seamless Transitions", seamlessTransitions, this,
                         "Enable Seamless Transitions requires more memory usage."),
                   check("Keyframe only essential objects", keyframeOnlyEssential, this,
                         "Only the car body, the wheels and the GravityDirectionMesh are keyframed")}},
        {.name = "Autonomous Mode Properties",
         .help =
             "In autonomous mode the car follows the TargetMesh, which is constrained to a path; an input "
             "device can still apply features and deviate from the path",
         .items = {check("Autonomous Mode", p.autonomousMode, nullptr),
                   spin("Autonomous mode follow strength", p.followStrength, 0.01, 30.0, 0.01),
                   spin("Follow Strength Response Factor", p.followStrengthResponse, 0.0001, 1.0, 0.001),
                   spin("Auto-Steering Response Factor", p.autoSteeringResponse, 0.0001, 1.0, 0.001),
                   spin("Reverse Max Vel Mult", p.reverseMaxVelMult, 0.0, 1000.0, 0.001),
                   spin("Ignore Sphere Radius (length relative)", p.ignoreSphereRadius, 0.001, 100.0,
                        0.001)}},
        {.name = "Steering Properties",
         .items = {spin("Maximum Steering Change Velocity", p.maxSteeringChangeVelocity, 0.001, 100.0, 0.001,
                        "How fast the wheels can turn in rads per sec."),
                   spin("Speed Dependent Turn Radius Reduction Factor", p.speedDependentTurnReduction, 0.0,
                        10.0, 0.001),
                   spin("Steering Noise", p.steeringNoise, 0.0, 1000.0, 0.001, "Adds noise to the steering."),
                   spin("Steering Wheel Rot Mult", steeringWheelRotMult, 0.0, 1000.0, 0.001),
                   spin("Turn Base (Back Wheel Relative)", p.turnBase, -2.0, 2.0, 0.001,
                        "If larger than zero the car will turn with all four wheels.")}},
        {.name = "Suspension Properties",
         .items = {spin("Front Stiffness", p.frontStiffness, 0.0, 10000.0, 1.0,
                        "Stiffness determines how much force the springs have."),
                   spin("Front Damping", p.frontDamping, 0.0, 10000.0, 0.1,
                        "Damping determines how dull the shock absorbers are."),
                   spin("Back Stiffness", p.backStiffness, 0.0, 10000.0, 1.0,
                        "Stiffness determines how much force the springs have."),
                   spin("Back Damping", p.backDamping, 0.0, 10000.0, 0.1,
                        "Damping determines how dull the shock absorbers are."),
                   spin("Tire Pressure", p.tirePressure, 0.0, 1000.0, 0.001),
                   spin("Maximum Forward Tilt Angle", p.maxForwardTiltAngle, 0.0, 1.5, 0.0001),
                   spin("Maximum Side Tilt Angle", p.maxSideTiltAngle, 0.0, 1.5, 0.0001),
                   spin("Booster Stiffness Multiplier", p.boosterStiffnessMult, 0.0, 10.0, 0.001),
                   spin("Mass Multiplier", p.massMultiplier, 0.0, 1000.0, 0.001)}},
        {.name = "General Properties",
         .items =
             {check("Fixate Wheel Center Nodes", fixateWheelCenterNodes, this),
              check("Move WheelCenterMesh to ground hit point", moveWheelCenterToGround, this),
              check("Align WheelCenterMesh to ground incline", alignWheelCenterToGround, nullptr),
              check("Use Reverse as ABS Brake", p.useReverseAsAbsBrake, nullptr),
              spin("Skidding Offset Value", p.skiddingOffset, 0.0, 100.0, 0.001),
              spin("Skidding Release Value (Lateral Vel Rel)", p.skiddingReleaseThreshold, 0.0, 100.0, 0.001),
              spin("Skidding Release Response Factor", p.skiddingReleaseResponse, 1e-8, 1.0, 0.001),
              spin("Gravel Shake Offset Value", p.gravelShakeOffset, 0.0, 100.0, 0.001),
              spin("Gravel Roughness", p.gravelRoughness, 0.0, 1.0, 0.001, "How rough the gravel shake is"),
              spin("External Force Offset Value", p.externalForceOffset, 0.0, 10000.0, 0.001),
              spin("Skid Brake Stop Factor", p.skidBrakeStopFactor, 1e-8, 100.0, 0.001),
              spin("Skid Brake Rot Brake Mult", p.skidBrakeRotBrakeMult, 0.0, 1000.0, 0.001),
              spin("Burnout Shake", p.burnoutShake, 0.0, 100.0, 0.01,
                   "How much the car should shake during a burnout."),
              spin("Burnout Tilting Force", p.burnoutTiltForce, 0.0, 100.0, 0.01,
                   "How much the car should be tilted during a burnout."),
              spin("Burnout Fadeout Factor", p.burnoutFadeoutFactor, 0.0, 1.0, 0.001,
                   "How fast the burnout dies out."),
              intSpin("Random Seed Adder", p.randomSeedAdder, 0, 10000),
              spin("World Avoidance Sphere (scale relative)", p.worldAvoidanceSphereRadius, 0.0, 2e9, 1.0),
              spin("Wheel Radius Multiplier", p.wheelRadiusMult, 0.01, 10.0, 0.01),
              spin("Gravity", p.gravity, 0.0, 10000.0, 0.001)}},
        {.name = "Wheel Ground Release Properties",
         .items = {check("Enable Wheel Ground Release", p.groundReleaseOn, this),
                   spin("Suspension Length (Radius Relative)", p.suspensionLength, 0.0, 100.0, 0.001),
                   spin("Maximum Wheel Extension Velocity (Radius Rel)", p.maxWheelExtensionVelocity, 0.0,
                        100.0, 0.001)}},
        {.name = "Ray Cast Properties",
         .items =
             {intSpin("Ray Multiplier", p.rayMultiplier, 1, 100),
              check("Cast Rays at Wheel Edges", p.addRaysAtWheelEdges, nullptr),
              spin("Degrees Per Ray", p.degreesPerRay, 0.1, 89.0, 0.01),
              check(
                  "Use Fast Ray Cast", useFastRayCast, this,
                  "An internal ray caster: much faster, but only for ground surfaces that are not animated, "
                  "and it needs much more memory"),
              check(
                  "Store Ground Mesh Data", storeGroundMeshData, this,
                  "Keeps the ground mesh data in the saved state; after a change of the ground mesh it must "
                  "be checked again")}},
        {.name = "Input Property Parameters", .items = std::move(inputs)},
    };
}

} // namespace vex::orb::addon
