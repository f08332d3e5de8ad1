#pragma once

#include "plugins/carextended/model/CarInput.h"
#include "plugins/carextended/model/CarInputIndex.h"

#include <array>

namespace vex::orb::addon {

/// Everything the user sets that the vehicle model reads: the configuration page's physical values and
/// the few kept only in the saved state. Lengths and speeds named "scale relative" are in car units (one
/// car length; see CarGeometry::scale); others are in world units. docs/VEHICLE_MODEL.md gives the
/// equations each value enters.
struct CarParameters {
    /// Per input channel: response factor and maximum ("Gas Pedal (Forw/Backw)" first).
    std::array<CarInput, kCarInputCount> inputs{{{0.01, 3.0},
                                                 {0.1, 0.7},
                                                 {0.02, 6.0},
                                                 {1.0, 0.03},
                                                 {0.1, 0.9},
                                                 {0.1, 1.0},
                                                 {1.0, 0.05},
                                                 {0.03, 3.0},
                                                 {1.0, 100.0}}};
    /// "Acceleration (scale relative)": the drive's acceleration in car units per second².
    double acceleration = 1.0;
    /// "Initital Velocity (% of max)": the speed a fresh take starts with; ignored when zero.
    double initialVelocityPercent = 0.0;

    // Autonomous mode.
    bool autonomousMode = false;
    /// Wanted speed per unit of distance to the target (1/s).
    double followStrength = 0.5;
    double followStrengthResponse = 0.02;
    double autoSteeringResponse = 0.2;
    /// The top speed's share allowed when reversing towards a target behind; 0 never reverses.
    double reverseMaxVelMult = 0.3;
    /// Radius of the ignore sphere about the car's front, in car lengths.
    double ignoreSphereRadius = 0.5;

    // Steering.
    /// How fast the steering angle may change, in radians per second.
    double maxSteeringChangeVelocity = 1.5;
    /// The steering angle shrinks by this factor times the speed's share of the top speed.
    double speedDependentTurnReduction = 0.0;
    /// Amplitude of the steering noise, in milliradians.
    double steeringNoise = 0.0;
    /// "Turn Base (Back Wheel Relative)": where along the wheelbase the car turns about, as a share of
    /// the wheelbase from the back axle; above 0 the back wheels steer too.
    double turnBase = 0.0;

    // Suspension: stiffness is the square of the corner's angular frequency (1/s²), damping the damper
    // rate per unit of carried mass (1/s), so neither depends on the mass.
    double frontStiffness = 80.0;
    double frontDamping = 9.0;
    double backStiffness = 80.0;
    double backDamping = 9.0;
    /// The tyre's own spring: its stiffness is 1250 × pressure (1/s²), in series with the suspension.
    double tirePressure = 0.8;
    /// Largest pitch and roll of the body relative to its wheels (radians): bump stops beyond.
    double maxForwardTiltAngle = 0.12;
    double maxSideTiltAngle = 0.12;
    /// The stiffness grows by this factor times the booster value.
    double boosterStiffnessMult = 0.0;
    /// Scales the car's mass and inertia (the response to the external force), not its ride.
    double massMultiplier = 1.0;

    // General.
    /// A negative gas pedal brakes (ABS) instead of reversing, and the car holds on slopes.
    bool useReverseAsAbsBrake = false;
    double skiddingOffset = 0.0;
    /// Sideways speed over forward speed above which the car starts skidding by itself; 0 never.
    double skiddingReleaseThreshold = 0.0;
    /// The skidding level a car that slides by itself goes to.
    double wantedSkidding = 0.5;
    /// How fast a skid or a skid brake dies out (share per 0.04 s).
    double skiddingReleaseResponse = 0.1;
    /// Added to the gravel shake input (world units).
    double gravelShakeOffset = 0.0;
    /// 1 gives a new random height every sub-step, towards 0 the road gets smoother.
    double gravelRoughness = 0.5;
    double externalForceOffset = 0.0;
    /// Above 1 a released skid brake ends harder, below 1 it runs on longer.
    double skidBrakeStopFactor = 1.0;
    /// Above 1 a skid brake stops turning harder than moving.
    double skidBrakeRotBrakeMult = 1.0;
    double burnoutShake = 1.0;
    double burnoutTiltForce = 1.0;
    /// Share of the burnout lost per 0.04 s once its input is released.
    double burnoutFadeoutFactor = 0.05;
    /// Added to the random seeds, to give tools their own sequences.
    int randomSeedAdder = 0;
    /// Radius of the sphere about the world origin the car steers back into, in car lengths; 0 is off.
    double worldAvoidanceSphereRadius = 0.0;
    /// Scales the wheel radius the ground sees; below 1 the tyre sinks into the ground.
    double wheelRadiusMult = 1.0;
    /// Gravity in world units per second² along the GravityDirectionMesh's −y.
    double gravity = 9.81;
    /// Tyre grip: the friction coefficient between tyre and ground.
    double grip = 1.0;

    // Wheel ground release.
    /// Lets the wheels leave the ground; off, a car that loses the ground is pulled back onto it.
    bool groundReleaseOn = true;
    /// How far a wheel hangs below its rigged place without load, in wheel radii.
    double suspensionLength = 0.5;
    /// How fast a hanging wheel drops, in wheel radii per second relative to the body; 0 at once.
    double maxWheelExtensionVelocity = 3.0;
    /// Gravity's multiple while no wheel touches the ground.
    double jumpGravity = 1.0;
    /// Share of the velocity into the ground removed on landing.
    double landingNeutralizer = 0.0;
    /// How strongly a car in the air turns back to level (1/s², critically damped); 0 lets it tumble.
    double horizontalRestoringFactor = 10.0;

    // Ground detection.
    /// Detection points per wheel: 1 is the bottom point, each step adds one ahead and one behind.
    int rayMultiplier = 1;
    /// Casts every point at both tyre edges as well as in the middle.
    bool addRaysAtWheelEdges = true;
    /// Angle on the wheel between neighbouring points, in degrees.
    double degreesPerRay = 2.0;
};

} // namespace vex::orb::addon
