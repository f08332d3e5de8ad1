#include "plugins/carextended/model/CarMath.h"
#include "plugins/carextended/model/CarModel.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <algorithm>
#include <cmath>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;
using T = util::QTransform<double>;

constexpr double kFollowCamFactor = 0.12;
/// The top-view camera looks down from this many car lengths.
constexpr double kTopViewHeight = 6.0;

/// How far each drawn wheel is moved up from its rigged place: pushed up by the ground, or hanging.
double WheelLift(const WheelState& wheel) {
    return wheel.contact ? wheel.compression : -wheel.droop;
}

/// The body's heave, pitch and roll on its base from the wheels' lifts (see CarState).
void BodyOnBase(const CarGeometry& g, const std::array<WheelState, 4>& wheels, double& heave, double& pitch,
                double& roll) {
    double e[4];
    for (int i = 0; i < 4; ++i) e[i] = WheelLift(wheels[i]);
    const double base = std::max(g.Wheelbase(), 1e-9);
    const double track = std::max(g.Track(), 1e-9);
    heave = -0.25 * (e[0] + e[1] + e[2] + e[3]);
    pitch = std::atan((0.5 * (e[2] + e[3]) - 0.5 * (e[0] + e[1])) / base);
    roll = std::atan((0.5 * (e[0] + e[2]) - 0.5 * (e[1] + e[3])) / track);
}

T Relative(double heave, double pitch, double roll) {
    return {{0.0, heave, 0.0}, util::EulerXYZToQuat(V{pitch, 0.0, roll})};
}

} // namespace

void CarModel::UpdateLook(CarState& state, const util::Vector3<double>& down) const {
    const CarParameters& p = parameters_;
    const double h = kSubStep;
    for (int i = 0; i < 4; ++i) {
        WheelState& wheel = state.wheels[i];
        const double radius = WheelRadius(i);
        const double reach = std::max(0.0, p.suspensionLength) * radius;
        const double wanted = wheel.contact ? 0.0 : std::clamp(-wheel.compression, 0.0, reach);
        const double rate = p.maxWheelExtensionVelocity * radius * h;
        if (rate <= 0.0 || wanted < wheel.droop)
            wheel.droop = wanted;
        else
            wheel.droop = std::min(wanted, wheel.droop + rate);
    }
    const double y = state.bodyRelYPos, x = state.bodyRelXAng, z = state.bodyRelZAng;
    BodyOnBase(geometry_, state.wheels, state.bodyRelYPos, state.bodyRelXAng, state.bodyRelZAng);
    state.bodyRelYVel = (state.bodyRelYPos - y) / h;
    state.bodyRelXAngVel = (state.bodyRelXAng - x) / h;
    state.bodyRelZAngVel = (state.bodyRelZAng - z) / h;

    const double length = geometry_.Length();
    const V target = util::TransformPoint(state.pose, kFollowCamOffset * length);
    util::Approach(state.followCam.translation, target, kFollowCamFactor, h);
    const V look = state.pose.translation - state.followCam.translation;
    if (util::LengthSquared(look) > 1e-12)
        util::ApproachRotation(state.followCam.rotation, LookRotation(look, -down), kFollowCamFactor, h);
}

CarPose CarModel::Pose(const CarState& state) const {
    const CarParameters& p = parameters_;
    CarPose pose;
    const T trueRelative = Relative(state.bodyRelYPos, state.bodyRelXAng, state.bodyRelZAng);
    // The base carries the wheels where the dynamics put them; the body tilts at most as far as the
    // tilt limits let it.
    pose.base = util::Multiply(util::Inverse(trueRelative), state.pose);
    pose.body = Relative(state.bodyRelYPos,
                         std::clamp(state.bodyRelXAng, -p.maxForwardTiltAngle, p.maxForwardTiltAngle),
                         std::clamp(state.bodyRelZAng, -p.maxSideTiltAngle, p.maxSideTiltAngle));
    const T toBase = util::Inverse(pose.base);
    for (int i = 0; i < 4; ++i) {
        const WheelState& wheel = state.wheels[i];
        WheelPose& out = pose.wheels[i];
        const V inBody = geometry_.wheelCentres[i] + V{0.0, WheelLift(wheel), 0.0};
        const V centre = util::TransformPoint(trueRelative, inBody);
        const Q steer = util::FromRotationVector(V{0.0, -wheel.steerAngle, 0.0});
        const Q spin = util::FromRotationVector(V{-wheel.spinAngle, 0.0, 0.0});
        out.suspension = {centre, util::Multiply(steer, trueRelative.rotation)};
        out.wheel = {centre, util::Multiply(util::Multiply(spin, steer), trueRelative.rotation)};
        out.bottom = util::TransformPoint(trueRelative, inBody - V{0.0, WheelRadius(i), 0.0});
        out.inTheAir = !wheel.contact;
        const V up = util::Rotate(trueRelative.rotation, V{0.0, 1.0, 0.0});
        if (wheel.contact) {
            const V normal = util::Rotate(toBase.rotation, wheel.contactNormal);
            out.contact = {util::TransformPoint(toBase, wheel.contactPoint), RotationBetween(up, normal)};
        } else {
            out.contact = {out.bottom, {0.0, 0.0, 0.0, 1.0}};
        }
    }
    pose.steeringAngle = state.steering;
    pose.speed = state.speed;
    pose.followCam = state.followCam;

    const V down = util::Rotate(state.gravityFilter, V{0.0, -1.0, 0.0});
    const V centre = util::TransformPoint(state.pose, geometry_.centreOfMass);
    const V forward = util::Rotate(state.pose.rotation, V{0.0, 0.0, -1.0});
    pose.topViewCam = {centre - down * (kTopViewHeight * geometry_.Length()), LookRotation(down, forward)};
    return pose;
}

} // namespace vex::orb::addon
