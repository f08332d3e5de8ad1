#include "plugins/dirivodarez/FreeFlight.h"

#include "plugins/common/RandomBits.h"
#include "plugins/common/SubStepCount.h"
#include "util/MathOps.h"
#include "util/Matrix.h"
#include "util/Rotation.h"

#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;

constexpr V kWorldUp{0.0, 1.0, 0.0};

// The camera's axes and their level forms.
struct Axes {
    V x, y, z;
    V levelX, levelZ;
    double sigma = 1.0; // −1 when the camera is upside down
};

V Level(V axis, const V& fallback) {
    axis.y = 0.0;
    const double length = util::Length(axis);
    return length > 1e-12 ? axis / length : fallback;
}

// The turn by `angle` radians about the world's up axis.
Q AboutWorldUp(double angle) {
    return {0.0, std::sin(0.5 * angle), 0.0, std::cos(0.5 * angle)};
}

Axes AxesOf(const Q& q) {
    const util::Matrix<double> r = util::ToMatrix(q);
    Axes a;
    a.x = {r.m[0][0], r.m[0][1], r.m[0][2]};
    a.y = {r.m[1][0], r.m[1][1], r.m[1][2]};
    a.z = {r.m[2][0], r.m[2][1], r.m[2][2]};
    // Looking straight up or down, the level view axis is the one the up axis gives.
    a.levelZ = Level(a.z, Level(a.y.y >= 0.0 ? -a.y : a.y, {0.0, 0.0, 1.0}));
    a.levelX = Level(a.x, Cross(kWorldUp, a.levelZ));
    a.sigma = a.y.y < 0.0 ? -1.0 : 1.0;
    return a;
}

// Without roll the turn is kept as its two parts, a turn about x and one about the world's vertical,
// so that it can be applied as the two turns (each keeps a level x-axis level).
struct Velocities {
    V linear;
    V angular;
    double vertical = 0.0;
};

// The velocities the filtered speed inputs give.
Velocities FromInputs(const FreeFlightState& state, const Axes& a, const FreeFlightParameters& p) {
    const auto f = [&state](FreeFlightInputIndex k) { return state.inputs[k].second; };
    const double s = p.relativeScale;
    const double forward = -f(kFlightForward), yaw = -f(kFlightYaw), roll = -f(kFlightRoll);
    Velocities v;
    if (p.allowRoll) {
        v.linear = s * (f(kFlightRight) * a.x + f(kFlightUp) * a.y + forward * a.z);
        v.angular = f(kFlightPitch) * a.x + yaw * a.y + roll * a.z;
    } else {
        v.linear = s * (f(kFlightRight) * a.levelX + forward * a.sigma * a.levelZ);
        v.linear.y += s * f(kFlightUp);
        v.angular = f(kFlightPitch) * a.x;
        v.vertical = yaw;
    }
    return v;
}

// Both filter stages of input `k` set to `value`.
void Hold(FreeFlightState& state, FreeFlightInputIndex k, double value) {
    state.inputs[k].first = value;
    state.inputs[k].second = value;
}

// The last sub-step's linear velocity written back into the speed inputs (the inverse of FromInputs).
void HandOverLinear(FreeFlightState& state, const Axes& a, const FreeFlightParameters& p, double h) {
    const V v = (state.Pose().position - state.PreviousPose().position) / (h * p.relativeScale);
    if (p.allowRoll) {
        Hold(state, kFlightRight, Dot(v, a.x));
        Hold(state, kFlightUp, Dot(v, a.y));
        Hold(state, kFlightForward, -Dot(v, a.z));
    } else {
        Hold(state, kFlightRight, Dot(v, a.levelX));
        Hold(state, kFlightForward, -Dot(v, a.levelZ) * a.sigma);
        Hold(state, kFlightUp, v.y);
    }
}

// The last sub-step's turn written back into the turn inputs.
void HandOverAngular(FreeFlightState& state, const Axes& a, const FreeFlightParameters& p, double h) {
    const V w = util::ToRotationVector(
                    util::Multiply(util::Conjugate(state.PreviousPose().rotation), state.Pose().rotation)) /
                h;
    const double pitch = Dot(w, a.x);
    Hold(state, kFlightPitch, pitch);
    if (p.allowRoll) {
        Hold(state, kFlightYaw, -Dot(w, a.y));
        Hold(state, kFlightRoll, -Dot(w, a.z));
    } else {
        Hold(state, kFlightYaw, -(w.y - pitch * a.x.y));
    }
}

// `q` moved toward `target` component by component on the nearer hemisphere, normalised.
Q FilterRotation(Q q, Q target, double factor, double h) {
    if (util::Dot(q, target) < 0.0) target = -target;
    q.x = FilterStep(q.x, target.x, factor, h);
    q.y = FilterStep(q.y, target.y, factor, h);
    q.z = FilterStep(q.z, target.z, factor, h);
    q.w = FilterStep(q.w, target.w, factor, h);
    return util::Normalized(q);
}

// An amplitude that follows its filtered input while the input is held, else fades toward 0.
void Amplitude(double& amplitude, double raw, double filtered, double fadeOut, double h) {
    amplitude = raw != 0.0 ? filtered : FilterStep(amplitude, 0.0, fadeOut, h);
}

} // namespace

Q WithoutRoll(const Q& q) {
    const util::Matrix<double> r = util::ToMatrix(q);
    const V z{r.m[2][0], r.m[2][1], r.m[2][2]};
    V x = Cross(kWorldUp, z);
    const double length = util::Length(x);
    if (length < 1e-9) return q;
    x = x / length;
    const V y = Cross(z, x);
    util::Matrix<double> m;
    const V rows[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        m.m[i][0] = rows[i].x;
        m.m[i][1] = rows[i].y;
        m.m[i][2] = rows[i].z;
    }
    Q level = util::ToQuat(m);
    if (util::Dot(level, q) < 0.0) level = -level;
    return level;
}

FreeFlightState RestingFlight(const FlightPose& pose) {
    FreeFlightState state;
    state.Reset(pose);
    state.remembered = pose;
    state.helper = pose;
    return state;
}

void RunFreeFlight(FreeFlightState& state, const FlightRawInputs& raw, const FreeFlightParameters& parameters,
                   double d) {
    const int n = SubStepCount(d, kFlightMaxSubStep);
    const double h = d / n;
    for (int i = 0; i < n; ++i) FreeFlightSubStep(state, raw, parameters, h);
}

void FreeFlightSubStep(FreeFlightState& state, const FlightRawInputs& raw, const FreeFlightParameters& p,
                       double h) {
    for (std::size_t k = 0; k < kFlightInputCount; ++k)
        state.inputs[k].Step(raw[k] * p.maxima[k], p.responseFactors[k], h);

    const Axes axes = AxesOf(state.Pose().rotation);
    const auto held = [&raw](FreeFlightInputIndex k) { return raw[k] != 0.0; };
    const auto factor = [&p](FreeFlightInputIndex k) { return p.responseFactors[k]; };

    // A released regulator hands its motion over to the speed inputs before the velocities are made.
    const bool translating = held(kFlightTranslRegulator);
    const bool orienting = held(kFlightOrientRegulator);
    const bool leveling = held(kFlightAntiRoll);
    if (state.regulating[0] && !translating) HandOverLinear(state, axes, p, h);
    if ((state.regulating[1] && !orienting) || (state.regulating[2] && !leveling))
        HandOverAngular(state, axes, p, h);

    Velocities v = FromInputs(state, axes, p);

    Amplitude(state.walkAmplitude, raw[kFlightWalkCycle], state.inputs[kFlightWalkCycle].second,
              p.walkCycleFadeOutFactor, h);
    const double phase =
        2.0 * std::numbers::pi * p.walkCycleFrequency * static_cast<double>(state.frameCounter) * h;
    v.angular += std::sin(phase) * state.walkAmplitude * axes.x;
    ++state.frameCounter;

    Amplitude(state.shakeAmplitude, raw[kFlightShaker], state.inputs[kFlightShaker].second,
              p.shakerFadeOutFactor, h);
    const double a = state.shakeAmplitude;
    if (p.allowRoll) {
        const auto kick = [&state, a] {
            return (static_cast<double>(NextRandomBits(state.randomSeed) % 1000u) - 500.0) / 1000.0 * a;
        };
        const double kx = kick(), ky = kick(), kz = kick();
        v.angular += kx * axes.x + ky * axes.y + kz * axes.z;
    } else {
        // Integers of 0 to 32767, centred.
        const auto kick = [&state, a] {
            return (static_cast<double>(NextRandomBits(state.randomSeed) >> 9) - 16383.5) / 16383.5 * a;
        };
        const double kx = kick(), kv = kick();
        v.angular += kx * axes.x;
        v.vertical += kv;
    }

    FlightPose pose = state.Pose();
    if (held(kFlightSaveRegulator)) state.remembered = pose;
    if (translating) {
        if (!state.regulating[0]) state.helper.position = pose.position;
        const double k = factor(kFlightTranslRegulator);
        for (double V::*c : {&V::x, &V::y, &V::z}) {
            state.helper.position.*c =
                FilterStep(state.helper.position.*c, state.remembered.position.*c, k, h);
            pose.position.*c = FilterStep(pose.position.*c, state.helper.position.*c, k, h);
        }
    }
    if (orienting) {
        if (!state.regulating[1]) state.helper.rotation = pose.rotation;
        const double k = factor(kFlightOrientRegulator);
        state.helper.rotation = FilterRotation(state.helper.rotation, state.remembered.rotation, k, h);
        pose.rotation = FilterRotation(pose.rotation, state.helper.rotation, k, h);
    }
    if (leveling)
        pose.rotation = FilterRotation(pose.rotation, WithoutRoll(pose.rotation), factor(kFlightAntiRoll), h);
    state.regulating = {translating, orienting, leveling};

    pose.rotation = util::Multiply(pose.rotation, util::FromRotationVector(h * v.angular));
    if (!p.allowRoll) pose.rotation = util::Multiply(pose.rotation, AboutWorldUp(h * v.vertical));
    pose.rotation = util::Normalized(pose.rotation);
    pose.position += h * v.linear;
    state.Push(pose);
}

} // namespace vex::orb::addon
