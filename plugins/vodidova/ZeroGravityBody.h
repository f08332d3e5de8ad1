#pragma once

#include "util/Quat.h"
#include "util/Vector3.h"

#include <array>
#include <cstddef>

namespace vex::orb::addon {

/// One input of the zero-gravity camera: the raw channel value, its two filter stages (stage 2 is the
/// output the body reads) and the page's "Response Factor" and "Maximum".
struct BodyInput {
    double raw = 0.0;
    double stage1 = 0.0;
    double output = 0.0;
    double responseFactor = 1.0;
    double maximum = 0.0;
};

/// The inputs by role, in the order of the channels.
enum BodyInputIndex : std::size_t {
    kForwardForce = 0,   ///< force along −z
    kRightForce,         ///< force along +x
    kUpForce,            ///< force along +y
    kYawTorque,          ///< torque about −y
    kPitchTorque,        ///< torque about +x
    kRollTorque,         ///< torque about −z
    kAirplaneBrake,      ///< damps rotation and the sideways and vertical motion
    kBrakeAll,           ///< damps all motion
    kTranslationalBrake, ///< damps the linear velocity
    kRotationalBrake,    ///< damps the angular velocity
    kBodyInputCount
};

/// A position and an orientation.
struct BodyPose {
    util::Vector3<double> position;
    util::Quat<double> rotation;
};

/// A camera moving as a rigid body in zero gravity: forces and torques along its own axes change its
/// velocities, and only the brakes slow it down. Past poses are kept in a ring; the newest is current.
class ZeroGravityBody {
public:
    /// Length of a sub-step the body is integrated with, at most.
    static constexpr double kMaxSubStep = 0.003;
    /// Number of poses the ring keeps.
    static constexpr std::size_t kRingSize = 4;

    /// Number of sub-steps a duration `d` is integrated in: trunc(d / 0.003), at least 1.
    static int SubStepCount(double d);

    /// Integrates the inputs and the body over `d` seconds with the scale `scale` (metres per body
    /// unit): per sub-step the inputs are filtered, the forces, torques and brakes act on the
    /// velocities, and the new pose becomes current.
    void Run(double d, double scale);
    /// One sub-step of length `h` (see run).
    void SubStep(double h, double scale);

    /// Makes `pose` the next slot of the ring and current.
    void Push(const BodyPose& pose);
    /// The current pose.
    const BodyPose& Current() const { return ring_[current_]; }

    std::array<BodyInput, kBodyInputCount> inputs;
    /// Linear velocity (body units per second) and angular velocity (radians per second), world axes.
    util::Vector3<double> velocity;
    util::Vector3<double> angularVelocity;

private:
    std::array<BodyPose, kRingSize> ring_{};
    std::size_t current_ = 0;
};

/// The camera's axes x, y, z: the rows of the rotation matrix of `q`.
std::array<util::Vector3<double>, 3> BodyAxes(const util::Quat<double>& q);

/// Sets the inputs' filters so that a body whose last three poses were `a` (newest), `b` and `c`, a
/// frame `dt` apart, goes on moving smoothly: each force and torque input gets the output that
/// reproduces the motion from b to a, and a stage 1 that extrapolates the change since the frame
/// before. The brakes are left alone.
void PrimeInputs(std::array<BodyInput, kBodyInputCount>& inputs, const BodyPose& a, const BodyPose& b,
                 const BodyPose& c, double dt, double scale);

} // namespace vex::orb::addon
