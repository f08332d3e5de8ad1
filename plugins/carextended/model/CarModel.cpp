#include "plugins/carextended/model/CarModel.h"

#include "plugins/carextended/ground/GroundQuery.h"
#include "plugins/carextended/model/CarMath.h"
#include "plugins/carextended/model/CarRandom.h"
#include "plugins/carextended/model/WheelProbe.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;

constexpr double kH = CarModel::kSubStep;
/// The car's mass at "Mass Multiplier" 1 (kg).
constexpr double kBaseMass = 1000.0;
/// Tyre spring per unit of tyre pressure (1/s²).
constexpr double kTyreStiffnessPerPressure = 1250.0;
/// Share of a wheel's slip the friction removes per sub-step; below 1 so that wheels coupled through
/// the body do not overshoot one another.
constexpr double kSlipRelaxation = 0.5;
/// Time constant of the drive's speed control (s).
constexpr double kSpeedControlTime = 0.1;
/// Static-friction anchor: natural frequency (rad/s) and damping ratio.
constexpr double kAnchorOmega = 30.0;
constexpr double kAnchorDamping = 0.8;
/// Below this share of the car's length per second a held wheel sticks.
constexpr double kStickSpeedPerLength = 0.01;
/// The bump stop starts at this share of the wheel radius above the rigged place and is this many times
/// stiffer than the corner.
constexpr double kBumpTravel = 0.6;
constexpr double kBumpStiffness = 20.0;
/// A burnout spins the back wheels at this many radians per second per unit of its value.
constexpr double kBurnoutSpinRate = 25.0;
constexpr double kGravityFilterFactor = 0.2;

V Up(const Q& q) {
    return util::Rotate(q, V{0.0, 1.0, 0.0});
}
V Forward(const Q& q) {
    return util::Rotate(q, V{0.0, 0.0, -1.0});
}

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

/// The body's moments of inertia about its own axes, per unit of mass (box of the half extents).
V InertiaPerMass(const CarGeometry& g) {
    const V e = g.halfExtents;
    return {(e.y * e.y + e.z * e.z) / 3.0, (e.x * e.x + e.z * e.z) / 3.0, (e.x * e.x + e.y * e.y) / 3.0};
}

/// Share of the mass each wheel carries at rest, from the centre of mass between the axles and sides.
std::array<double, 4> LoadShares(const CarGeometry& g) {
    const double zf = 0.5 * (g.wheelCentres[0].z + g.wheelCentres[1].z);
    const double zb = 0.5 * (g.wheelCentres[2].z + g.wheelCentres[3].z);
    const double xl = 0.5 * (g.wheelCentres[0].x + g.wheelCentres[2].x);
    const double xr = 0.5 * (g.wheelCentres[1].x + g.wheelCentres[3].x);
    const double front = zb != zf ? std::clamp((zb - g.centreOfMass.z) / (zb - zf), 0.0, 1.0) : 0.5;
    const double left = xr != xl ? std::clamp((xr - g.centreOfMass.x) / (xr - xl), 0.0, 1.0) : 0.5;
    return {front * left, front * (1.0 - left), (1.0 - front) * left, (1.0 - front) * (1.0 - left)};
}

/// The steering angle of each wheel so that all roll about one centre on the line through the turn
/// base, for the steering angle `delta` at the front axle.
std::array<double, 4> WheelSteerAngles(const CarGeometry& g, double turnBase, double delta) {
    std::array<double, 4> angles{};
    const double zf = 0.5 * (g.wheelCentres[0].z + g.wheelCentres[1].z);
    const double zb = 0.5 * (g.wheelCentres[2].z + g.wheelCentres[3].z);
    const double zt = zb - turnBase * (zb - zf);
    const double t = std::tan(delta);
    for (int i = 0; i < 4; ++i) {
        const V& c = g.wheelCentres[i];
        const double num = (zt - c.z) * t;
        const double den = (zt - zf) - c.x * t;
        angles[i] = std::abs(den) > 1e-9 ? std::atan(num / den) : delta;
    }
    return angles;
}

} // namespace

CarModel::CarModel(const CarParameters& parameters, const CarGeometry& geometry)
    : parameters_(parameters), geometry_(geometry) {}

double CarModel::TopSpeed() const {
    return parameters_.inputs[kGasPedal].maximum * geometry_.scale;
}

double CarModel::DriveAcceleration() const {
    return parameters_.acceleration * geometry_.scale;
}

double CarModel::WheelRadius(int wheel) const {
    return std::max(1e-6, geometry_.wheelRadii[wheel] * parameters_.wheelRadiusMult);
}

double CarModel::CornerStiffness(int wheel) const {
    const double spring = std::max(0.0, wheel < 2 ? parameters_.frontStiffness : parameters_.backStiffness);
    const double tyre = kTyreStiffnessPerPressure * std::max(0.0, parameters_.tirePressure);
    if (spring <= 0.0 || tyre <= 0.0) return 0.0;
    return spring * tyre / (spring + tyre);
}

double CarModel::BumpTravel(int wheel) const {
    const double stiffness = CornerStiffness(wheel);
    const double sag = stiffness > 0.0 ? std::max(0.0, parameters_.gravity) / stiffness : 0.0;
    return std::max(kBumpTravel * WheelRadius(wheel), 1.5 * sag);
}

WheelFrame CarModel::Frame(const util::QTransform<double>& pose, int wheel, double steer,
                           double reach) const {
    const V up = Up(pose.rotation);
    const V forward = Forward(pose.rotation) * std::cos(steer) +
                      util::Rotate(pose.rotation, V{1.0, 0.0, 0.0}) * std::sin(steer);
    const double radius = WheelRadius(wheel);
    return {util::TransformPoint(pose, geometry_.wheelCentres[wheel]),
            up,
            forward,
            util::Cross(forward, up),
            radius,
            geometry_.wheelWidths[wheel],
            reach,
            BumpTravel(wheel) + 0.4 * radius};
}

CarState CarModel::Start(const util::QTransform<double>& pose, const CarEnvironment& environment) const {
    CarState state;
    state.pose = pose;
    util::Normalize(state.pose.rotation);
    const V down = UnitOr(environment.down, {0.0, -1.0, 0.0});
    state.gravityFilter = RotationBetween({0.0, -1.0, 0.0}, down);
    const std::uint32_t adder = static_cast<std::uint32_t>(std::max(0, parameters_.randomSeedAdder));
    state.randomSeeds = {0x2545F491u + adder, 0x9E3779B9u + adder, 0x7F4A7C15u + adder};

    // Sink the car onto its springs when every wheel finds the ground.
    const V up = Up(state.pose.rotation);
    const double load = parameters_.gravity * std::max(0.0, -util::Dot(down, up));
    if (environment.ground != nullptr) {
        double lift = 0.0;
        int found = 0;
        for (int i = 0; i < 4; ++i) {
            const WheelContact contact =
                ProbeWheel(*environment.ground, Frame(state.pose, i, 0.0, WheelRadius(i)), {});
            if (!contact.contact) continue;
            const double stiffness = CornerStiffness(i);
            const double sag = stiffness > 0.0 ? load / stiffness : 0.0;
            lift += contact.compression - sag;
            ++found;
        }
        if (found == 4) state.pose.translation += up * (lift / 4.0);
    }
    for (int i = 0; i < 4; ++i) {
        const double stiffness = CornerStiffness(i);
        WheelState& wheel = state.wheels[i];
        wheel.compression = stiffness > 0.0 ? load / stiffness : 0.0;
        wheel.compressionPrev = wheel.compression;
    }
    const double initial = parameters_.initialVelocityPercent / 100.0 * TopSpeed();
    state.velocity = Forward(state.pose.rotation) * initial;
    state.speed = initial;
    const double length = geometry_.Length();
    state.followCam.translation = util::TransformPoint(state.pose, CarModel::kFollowCamOffset * length);
    state.followCam.rotation = LookRotation(state.pose.translation - state.followCam.translation, -down);
    return state;
}

void CarModel::Advance(CarState& state, const CarRawInputs& raw, const CarEnvironment& environment,
                       double duration) const {
    if (!(duration > 0.0) || !std::isfinite(duration)) return;
    // Whole sub-steps only; the remainder waits, so every frame rate walks the same sub-step grid.
    const double total = state.pendingTime + duration;
    const auto steps = static_cast<long long>(std::floor(total / kH + 1e-6));
    for (long long s = 0; s < steps; ++s) SubStep(state, raw, environment);
    state.pendingTime = std::max(0.0, total - static_cast<double>(steps) * kH);
    state.gasPedalPrev = state.inputs[kGasPedal];
}

void CarModel::SubStep(CarState& state, const CarRawInputs& raw, const CarEnvironment& environment) const {
    const CarParameters& p = parameters_;
    const CarGeometry& g = geometry_;
    const double scale = g.scale;
    const double length = g.Length();
    const double mass = kBaseMass * std::max(p.massMultiplier, 1e-3);
    const V inertia = InertiaPerMass(g) * mass;

    // Inputs through their response filters.
    for (std::size_t k = 0; k < kCarInputCount; ++k) {
        const double target = std::clamp(Finite(raw[k]), -1.0, 1.0) * p.inputs[k].maximum;
        util::Smooth(state.inputs[k], target, std::clamp(p.inputs[k].responseFactor, 0.0, 1.0), kH);
    }
    const auto level = [&](CarInputIndex k) {
        const double max = p.inputs[k].maximum;
        return max > 0.0 ? std::clamp(state.inputs[k] / max, 0.0, 1.0) : 0.0;
    };

    // Gravity along the filtered GravityDirectionMesh.
    const V wantedDown = UnitOr(environment.down, {0.0, -1.0, 0.0});
    util::ApproachRotation(state.gravityFilter, RotationBetween({0.0, -1.0, 0.0}, wantedDown),
                           kGravityFilterFactor, kH);
    const V down = util::Rotate(state.gravityFilter, V{0.0, -1.0, 0.0});

    const Q q = state.pose.rotation;
    const V up = Up(q);
    const V forward = Forward(q);
    const V right = util::Rotate(q, V{1.0, 0.0, 0.0});
    const V com = util::TransformPoint(state.pose, g.centreOfMass);
    state.speed = util::Dot(state.velocity, forward);
    const double topSpeed = TopSpeed();

    // Features.
    const double booster = std::max(0.0, state.inputs[kBooster]);
    double absBrake = level(kAbsBrake);
    double gas = state.inputs[kGasPedal];
    state.isReverseVelAbsBraking = p.useReverseAsAbsBrake && gas < 0.0;
    if (state.isReverseVelAbsBraking) {
        const double max = p.inputs[kGasPedal].maximum;
        absBrake = std::max(absBrake, max > 0.0 ? std::min(1.0, -gas / max) : 1.0);
        gas = 0.0;
    }
    double wantedSpeed = gas * scale * (1.0 + booster);
    double steerCommand = state.inputs[kSteering];

    // Skidding: the input, its offset and the car's own skid when it slides sideways.
    const double lateralSpeed = util::Dot(state.velocity, right);
    double skidTarget = std::clamp(std::max(0.0, state.inputs[kSkidding]) + p.skiddingOffset, 0.0, 1.0);
    state.skiddingOn = p.skiddingReleaseThreshold > 0.0 && std::abs(state.speed) > 0.1 * scale &&
                       std::abs(lateralSpeed) > p.skiddingReleaseThreshold * std::abs(state.speed);
    if (state.skiddingOn) skidTarget = std::max(skidTarget, std::clamp(p.wantedSkidding, 0.0, 1.0));
    if (skidTarget >= state.skiddingLevel)
        state.skiddingLevel = skidTarget;
    else
        util::Smooth(state.skiddingLevel, skidTarget, std::clamp(p.skiddingReleaseResponse, 1e-8, 1.0), kH);

    const double skidBrakeTarget = level(kSkidBrake);
    state.skidBrakingOn = skidBrakeTarget > 0.5;
    if (skidBrakeTarget >= state.skidBrakeLevel)
        state.skidBrakeLevel = skidBrakeTarget;
    else
        util::Smooth(state.skidBrakeLevel, skidBrakeTarget,
                     std::clamp(p.skiddingReleaseResponse * p.skidBrakeStopFactor, 1e-8, 1.0), kH);
    const double lock = state.skidBrakeLevel;

    const double burnoutInput = std::max(0.0, state.inputs[kBurnout]);
    if (burnoutInput >= state.burnoutLevel)
        state.burnoutLevel = burnoutInput;
    else
        state.burnoutLevel *= std::pow(std::clamp(1.0 - p.burnoutFadeoutFactor, 0.0, 1.0), kH / 0.04);
    const bool burnout = state.burnoutLevel > 0.01;

    // Autonomous following and the world avoidance sphere take the wheel and the pedal.
    const V toTarget = util::Rotate(util::Conjugate(q), environment.target - state.pose.translation) -
                       V{0.0, 0.0, -0.5 * length};
    if (p.autonomousMode) {
        const double distance = util::Length(toTarget);
        double wanted = 0.0;
        double steer = state.autoSteering;
        if (distance > p.ignoreSphereRadius * length) {
            wanted = std::min(p.followStrength * distance, topSpeed * (1.0 + booster));
            steer = std::atan2(toTarget.x, -toTarget.z);
            if (toTarget.z > 0.0 && p.reverseMaxVelMult > 0.0) {
                wanted = -std::min(wanted, p.reverseMaxVelMult * topSpeed);
                steer = -std::atan2(toTarget.x, toTarget.z);
            }
        }
        const double maxSteer = p.inputs[kSteering].maximum;
        util::Smooth(state.followSpeed, wanted, std::clamp(p.followStrengthResponse, 1e-4, 1.0), kH);
        util::Smooth(state.autoSteering, std::clamp(steer, -maxSteer, maxSteer),
                     std::clamp(p.autoSteeringResponse, 1e-4, 1.0), kH);
        wantedSpeed += state.followSpeed;
        steerCommand += state.autoSteering;
    }
    const double avoidRadius = p.worldAvoidanceSphereRadius * scale;
    if (avoidRadius > 0.0 && util::Length(com) > avoidRadius) {
        const V home = util::Rotate(util::Conjugate(q), -com);
        const double maxSteer = p.inputs[kSteering].maximum;
        steerCommand = std::clamp(std::atan2(home.x, -home.z), -maxSteer, maxSteer);
    }

    // Steering: rate-limited, noisy, reduced with speed, then shared out by the turn geometry.
    const double maxRate = std::max(0.0, p.maxSteeringChangeVelocity) * kH;
    state.steering += std::clamp(steerCommand - state.steering, -maxRate, maxRate);
    state.randomValues[2] = NextRandom(state.randomSeeds[2]);
    const double noise = p.steeringNoise * 0.001 * state.randomValues[2];
    const double reduction =
        topSpeed > 0.0 ? std::max(0.0, 1.0 - p.speedDependentTurnReduction * std::abs(state.speed) / topSpeed)
                       : 1.0;
    const double delta = (state.steering + noise) * reduction;
    const std::array<double, 4> steer = WheelSteerAngles(g, p.turnBase, delta);

    // The wheels on the ground.
    const std::array<double, 4> shares = LoadShares(g);
    const WheelProbeSettings probe{p.rayMultiplier, p.addRaysAtWheelEdges, p.degreesPerRay};
    const double gravelAmplitude = std::max(0.0, state.inputs[kGravelShake]) + p.gravelShakeOffset;
    std::array<WheelContact, 4> contacts{};
    std::array<double, 4> normal{};
    std::array<V, 4> wheelForward{};
    double totalLoad = 0.0;
    int loaded = 0;
    V force{};
    V torque{};
    const auto push = [&](const V& f, const V& at) {
        force += f;
        torque += util::Cross(at - com, f);
    };
    for (int i = 0; i < 4; ++i) {
        WheelState& wheel = state.wheels[i];
        wheel.steerAngle = steer[i];
        const double radius = WheelRadius(i);
        const double reach =
            std::max(0.0, p.suspensionLength) * radius + (p.groundReleaseOn ? 0.0 : 2.0 * radius);
        const WheelFrame frame = Frame(state.pose, i, steer[i], reach);
        const V centre = frame.centre;
        wheelForward[i] = frame.forward;
        state.randomValues[0] = NextRandom(state.randomSeeds[0]);
        util::Smooth(wheel.gravelHeight, gravelAmplitude * state.randomValues[0],
                     std::clamp(p.gravelRoughness, 0.0, 1.0), kH);

        WheelContact contact;
        if (environment.ground != nullptr) contact = ProbeWheel(*environment.ground, frame, probe);
        if (contact.contact) contact.compression += wheel.gravelHeight;
        contacts[i] = contact;
        wheel.compressionPrev = wheel.compression;
        wheel.compression = contact.contact ? contact.compression : -reach;
        wheel.contact = contact.contact && contact.compression > 0.0;
        if (contact.contact) {
            wheel.contactPoint = contact.point;
            wheel.contactNormal = contact.normal;
            wheel.groundNormalDiff = std::acos(std::clamp(util::Dot(contact.normal, up), -1.0, 1.0));
        } else {
            wheel.contactPoint = centre - up * radius;
        }

        const double massShare = mass * shares[i];
        const double stiffness = CornerStiffness(i) * (1.0 + p.boosterStiffnessMult * booster);
        const double damping = std::min(std::max(0.0, i < 2 ? p.frontDamping : p.backDamping), 0.5 / kH);
        const V pointVelocity = state.velocity + util::Cross(state.angularVelocity, centre - com);
        const double closing = -util::Dot(pointVelocity, up);
        double n = 0.0;
        if (wheel.contact) {
            n = std::max(0.0, massShare * (stiffness * wheel.compression + damping * closing));
            // The bump stop: past its travel the wheel takes the closing speed out at once and pushes back
            // hard, so a landing from any height keeps the wheel above the ground its rays can see.
            const double travel = BumpTravel(i);
            if (wheel.compression > travel)
                n += massShare * (std::max(0.0, closing) / kH +
                                  kBumpStiffness * stiffness * (wheel.compression - travel));
        } else if (!p.groundReleaseOn && contact.contact) {
            // Held to the ground: the spring pulls the car back, at most with twice its weight.
            n = std::max(-2.0 * massShare * p.gravity, massShare * stiffness * wheel.compression);
        }
        normal[i] = n;
        // The ground pushes along its normal; a wheel held to the ground is pulled along the body's axis.
        if (n > 0.0)
            push(contact.normal * n, contact.point);
        else if (n < 0.0)
            push(up * n, centre);
        if (wheel.contact && n > 0.0) {
            totalLoad += n;
            ++loaded;
        }
    }

    // Drive: a speed control bounded by the acceleration, shared equally by the wheels on the ground as
    // a differential shares its torque (a share by load would steer a rolled car further into its
    // turn); then the brakes and the grip.
    const double drive = DriveAcceleration() * (1.0 + booster);
    const double wantedAcceleration =
        std::clamp((wantedSpeed - state.speed) / kSpeedControlTime, -drive, drive);
    const bool parked = absBrake > 0.0 || lock > 0.0 || burnout || std::abs(wantedSpeed) < 1e-9;
    const double stickSpeed = kStickSpeedPerLength * length;
    const double shareOfMass = loaded > 0 ? mass / loaded : mass;
    for (int i = 0; i < 4; ++i) {
        WheelState& wheel = state.wheels[i];
        const double radius = WheelRadius(i);
        if (!wheel.contact || normal[i] <= 0.0) {
            wheel.anchored = false;
            wheel.spinRate *= std::pow(0.5, kH); // a wheel in the air slowly stops turning
            wheel.lockedTime = 0.0;
            continue;
        }
        const V n = contacts[i].normal;
        const V at = contacts[i].point;
        const V f = UnitOr(AlongPlane(wheelForward[i], n), forward);
        const V l = util::Cross(f, n);
        const V velocity = state.velocity + util::Cross(state.angularVelocity, at - com);
        const V slide = AlongPlane(velocity, n);
        const double along = util::Dot(velocity, f);
        const double side = util::Dot(velocity, l);
        const double limit = std::max(0.0, p.grip) * normal[i];
        const double zeroing = shareOfMass * kSlipRelaxation / kH;

        V friction{};
        // The anchor holds while the car is held; a driven car lets go of it.
        if (!parked) wheel.anchored = false;
        if (wheel.anchored || (parked && util::Length(slide) < stickSpeed)) {
            if (!wheel.anchored) {
                wheel.anchored = true;
                wheel.anchor = at;
            }
            const V offset = AlongPlane(at - wheel.anchor, n);
            friction =
                -(offset * (kAnchorOmega * kAnchorOmega) + slide * (2.0 * kAnchorDamping * kAnchorOmega)) *
                shareOfMass;
            if (util::Length(friction) > limit) {
                wheel.anchored = false; // the ground cannot hold it: it slides
                friction = UnitOr(friction, {}) * limit;
            }
        } else {
            double longitudinal = (1.0 - absBrake) * mass * wantedAcceleration / loaded;
            if (absBrake > 0.0)
                longitudinal += std::clamp(-zeroing * along, -limit * absBrake, limit * absBrake);
            longitudinal = (1.0 - lock) * longitudinal - lock * zeroing * along;
            double lateral = -zeroing * side;
            if (i >= 2) {
                const double grip = limit * (1.0 - state.skiddingLevel);
                lateral = std::clamp(lateral, -grip, grip);
            }
            friction = f * longitudinal + l * lateral;
            if (util::Length(friction) > limit) friction = friction * (limit / util::Length(friction));
        }
        push(friction, at);

        // Wheel roll: rolling with the ground, locked by the skid brake, spun by a burnout.
        if (lock > 0.5)
            wheel.spinRate = 0.0;
        else if (burnout && i >= 2)
            wheel.spinRate = state.burnoutLevel * kBurnoutSpinRate;
        else
            wheel.spinRate = along / radius;
        const bool locked = wheel.spinRate == 0.0 && std::abs(along) > 0.1;
        wheel.lockedTime = locked ? wheel.lockedTime + kH : 0.0;
    }
    for (WheelState& wheel : state.wheels)
        wheel.spinAngle = std::remainder(wheel.spinAngle + wheel.spinRate * kH, 2.0 * std::numbers::pi);

    // A skid brake above 1 stops the turning harder than the moving.
    const double yawRate = util::Dot(state.angularVelocity, up);
    if (lock > 0.0 && p.skidBrakeRotBrakeMult > 1.0 && loaded > 0) {
        const double yawInertia = inertia.y;
        const double brake = (p.skidBrakeRotBrakeMult - 1.0) * lock * p.grip * totalLoad * 0.25 * length;
        torque -= up * std::clamp(yawRate * yawInertia / kH, -brake, brake);
    }

    // Burnout: the car shakes and squats on its back wheels.
    state.randomValues[1] = NextRandom(state.randomSeeds[1]);
    if (burnout) {
        const double weight = mass * p.gravity;
        torque +=
            right * (p.burnoutShake * state.burnoutLevel * 0.02 * weight * length * state.randomValues[1]);
        const V back = util::TransformPoint(state.pose, 0.5 * (g.wheelCentres[2] + g.wheelCentres[3]));
        push(-up * (p.burnoutTiltForce * state.burnoutLevel * 0.1 * weight), back);
    }

    // Gravity, the external force and, in the air, the pull back to level.
    const bool wasInTheAir = state.carInTheAir;
    state.carInTheAir =
        std::none_of(state.wheels.begin(), state.wheels.end(), [](const WheelState& w) { return w.contact; });
    const double gravity = p.gravity * (state.carInTheAir ? p.jumpGravity : 1.0);
    force += down * (gravity * mass);
    const double external = Finite(state.inputs[kExternalForce]) + p.externalForceOffset;
    force += UnitOr(environment.forceDirection, {}) * (external / 100.0 * scale * mass);
    if (state.carInTheAir && p.horizontalRestoringFactor > 0.0) {
        // A critically damped turn back to level about the horizontal axes; the yaw is left alone.
        const double k = p.horizontalRestoringFactor;
        const V tumble = AlongPlane(state.angularVelocity, -down);
        torque += (util::Cross(up, -down) * k - tumble * (2.0 * std::sqrt(k))) * inertia.x;
    }
    if (wasInTheAir && !state.carInTheAir && p.landingNeutralizer > 0.0) {
        const double into = util::Dot(state.velocity, down);
        if (into > 0.0) state.velocity -= down * (into * std::clamp(p.landingNeutralizer, 0.0, 1.0));
    }

    // Semi-implicit Euler: velocities first, then the pose with the new velocities.
    const V before = state.velocity;
    state.velocity += force * (kH / mass);
    const V localTorque = util::Rotate(util::Conjugate(q), torque);
    const V localSpin =
        util::Rotate(util::Conjugate(q), state.angularVelocity) +
        V{localTorque.x / inertia.x, localTorque.y / inertia.y, localTorque.z / inertia.z} * kH;
    state.angularVelocity = util::Rotate(q, localSpin);
    state.acceleration = (state.velocity - before) / kH;
    const V newCom = com + state.velocity * kH;
    state.pose.rotation =
        util::Normalized(util::Multiply(q, util::FromRotationVector(state.angularVelocity * kH)));
    state.pose.translation = newCom - util::Rotate(state.pose.rotation, g.centreOfMass);
    state.localYawRate = util::Dot(state.angularVelocity, Up(state.pose.rotation));
    state.speed = util::Dot(state.velocity, Forward(state.pose.rotation));

    UpdateLook(state, down);
}

} // namespace vex::orb::addon
