#pragma once

#include "plugins/carextended/model/CarInputIndex.h"
#include "plugins/carextended/model/WheelState.h"
#include "util/QTransform.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <array>
#include <cstdint>

namespace vex::orb::addon {

/// Everything the vehicle model carries from one sub-step to the next, random generators and filter
/// memories included: a state copied, saved and read back continues exactly as the original would.
struct CarState {
    /// The car's frame in the world: the CarBodyBaseMesh's place when the springs carry no load.
    util::QTransform<double> pose{{}, {0.0, 0.0, 0.0, 1.0}};
    /// Velocity of the frame's origin and angular velocity, world units and axes.
    util::Vector3<double> velocity{};
    util::Vector3<double> angularVelocity{};
    /// The last measured acceleration of the frame's origin (world), for the cameras.
    util::Vector3<double> acceleration{};
    /// Time not yet integrated: less than one sub-step.
    double pendingTime = 0.0;

    /// The inputs after their response filters, each already multiplied by its maximum.
    std::array<double, kCarInputCount> inputs{};
    /// The filtered gas pedal one frame earlier.
    double gasPedalPrev = 0.0;
    /// The steering angle after the rate limit, before the turn geometry (radians, right positive).
    double steering = 0.0;
    /// Speed along the car's forward axis (world units per second); the speed gauge reads it.
    double speed = 0.0;
    /// Yaw rate about the car's up axis (radians per second, left positive).
    double localYawRate = 0.0;

    /// The level of the skid brake (0 off, 1 locked) and whether its input holds it.
    double skidBrakeLevel = 0.0;
    bool skidBrakingOn = false;
    /// The skidding level the back wheels lose grip by, and whether the car started it by itself.
    double skiddingLevel = 0.0;
    bool skiddingOn = false;
    /// True while a negative gas pedal brakes (see "Use Reverse as ABS Brake").
    bool isReverseVelAbsBraking = false;
    /// The burnout's level, fading after its input is released.
    double burnoutLevel = 0.0;

    /// The gravity frame as filtered (its −y is down), so a turned GravityDirectionMesh tilts the car
    /// smoothly.
    util::Quat<double> gravityFilter{0.0, 0.0, 0.0, 1.0};
    /// True while no wheel touches the ground.
    bool carInTheAir = false;

    /// Autonomous mode: the filtered wanted speed and the filtered steering.
    double followSpeed = 0.0;
    double autoSteering = 0.0;

    /// Random generators (their states) and their latest values in [−1, 1]: gravel shake, burnout and
    /// steering noise, in that order.
    std::array<std::uint32_t, 3> randomSeeds{};
    std::array<double, 3> randomValues{};

    /// The body's heave (world units), pitch and roll (radians) relative to its frame, from the wheels,
    /// and their rates; they place the CarBodyMesh on its base.
    double bodyRelYPos = 0.0;
    double bodyRelXAng = 0.0;
    double bodyRelZAng = 0.0;
    double bodyRelYVel = 0.0;
    double bodyRelXAngVel = 0.0;
    double bodyRelZAngVel = 0.0;

    /// The follow camera's filtered place.
    util::QTransform<double> followCam{{}, {0.0, 0.0, 0.0, 1.0}};

    std::array<WheelState, 4> wheels{};
};

} // namespace vex::orb::addon
