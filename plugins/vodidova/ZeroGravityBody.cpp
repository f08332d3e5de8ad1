#include "plugins/vodidova/ZeroGravityBody.h"

#include "plugins/common/SubStepCount.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <cmath>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

/// A brake acts while its raw value is non-zero and answers the divisor |output| + 1; a released
/// brake has its output cleared and answers 0.
double BrakeDivisor(BodyInput& brake) {
    if (brake.raw == 0.0) {
        brake.output = 0.0;
        return 0.0;
    }
    return std::fabs(brake.output) + 1.0;
}

} // namespace

int ZeroGravityBody::SubStepCount(double d) {
    return addon::SubStepCount(d, kMaxSubStep);
}

void ZeroGravityBody::Run(double d, double scale) {
    const int n = SubStepCount(d);
    const double h = d / n;
    for (int i = 0; i < n; ++i) SubStep(h, scale);
}

void ZeroGravityBody::SubStep(double h, double scale) {
    for (BodyInput& input : inputs) {
        util::Smooth(input.stage1, input.raw * input.maximum, input.responseFactor, h);
        util::Smooth(input.output, input.stage1, input.responseFactor, h);
    }

    const BodyPose& pose = Current();
    const auto [x, y, z] = BodyAxes(pose.rotation);
    const auto o = [this](BodyInputIndex k) { return inputs[k].output; };
    const V force = o(kRightForce) * x + o(kUpForce) * y - o(kForwardForce) * z;
    const V torque = o(kPitchTorque) * x - o(kYawTorque) * y - o(kRollTorque) * z;
    velocity += h * force;
    angularVelocity += h * torque;

    if (const double d = BrakeDivisor(inputs[kAirplaneBrake]); d != 0.0) {
        angularVelocity /= d;
        // Like an airplane: the sideways and vertical motion is damped, the motion along the view
        // axis is kept.
        velocity = (Dot(velocity, x) / d) * x + (Dot(velocity, y) / d) * y + Dot(velocity, z) * z;
    }
    if (const double d = BrakeDivisor(inputs[kTranslationalBrake]); d != 0.0) velocity /= d;
    if (const double d = BrakeDivisor(inputs[kRotationalBrake]); d != 0.0) angularVelocity /= d;
    if (const double d = BrakeDivisor(inputs[kBrakeAll]); d != 0.0) {
        velocity /= d;
        angularVelocity /= d;
    }

    Push({pose.position + h * scale * velocity,
          util::Multiply(pose.rotation, util::FromRotationVector(h * angularVelocity))});
}

void ZeroGravityBody::Push(const BodyPose& pose) {
    current_ = (current_ + 1) % kRingSize;
    ring_[current_] = pose;
}

std::array<util::Vector3<double>, 3> BodyAxes(const util::Quat<double>& q) {
    const util::Matrix<double> r = util::ToMatrix(q);
    return {V{r.m[0][0], r.m[0][1], r.m[0][2]}, V{r.m[1][0], r.m[1][1], r.m[1][2]},
            V{r.m[2][0], r.m[2][1], r.m[2][2]}};
}

void PrimeInputs(std::array<BodyInput, kBodyInputCount>& inputs, const BodyPose& a, const BodyPose& b,
                 const BodyPose& c, double dt, double scale) {
    // Velocities in a's own axes, and the rotations b→a and c→b per second as rotation vectors.
    const util::Quat<double> toLocal = util::Conjugate(a.rotation);
    const V v = util::Rotate(toLocal, (a.position - b.position) / dt / scale);
    const V vBefore = util::Rotate(toLocal, (b.position - c.position) / dt / scale);
    const V w = util::ToRotationVector(util::Multiply(a.rotation, util::Conjugate(b.rotation))) / dt;
    const V wBefore = util::ToRotationVector(util::Multiply(b.rotation, util::Conjugate(c.rotation))) / dt;

    const auto prime = [&inputs](BodyInputIndex k, double now, double before) {
        inputs[k].output = now;
        inputs[k].stage1 = before + (now - before) / inputs[k].responseFactor;
    };
    prime(kForwardForce, -v.z, -vBefore.z);
    prime(kRightForce, v.x, vBefore.x);
    prime(kUpForce, v.y, vBefore.y);
    prime(kYawTorque, -w.y, -wBefore.y);
    prime(kPitchTorque, w.x, wBefore.x);
    prime(kRollTorque, -w.z, -wBefore.z);
}

} // namespace vex::orb::addon
