#include "plugins/humanizercam/HandShake.h"

#include "plugins/common/RandomBits.h"
#include "util/Rotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kLargestBits = 16777215.0;
// At most this many knots move on in one frame, so an absurd frequency cannot stall a step.
constexpr int kMostKnotsPerStep = 64;

double NextKnot(std::uint32_t& random) {
    return 2.0 * NextRandomBits(random) / kLargestBits - 1.0;
}

void MoveOn(ShakeCurve& curve, std::uint32_t& random) {
    std::rotate(curve.knots.begin(), curve.knots.begin() + 1, curve.knots.end());
    curve.knots.back() = NextKnot(random);
}

double CatmullRom(const ShakeCurve& curve) {
    const auto& [n0, n1, n2, n3] = curve.knots;
    const double u = curve.phase;
    return 0.5 * (2.0 * n1 + (n2 - n0) * u + (2.0 * n0 - 5.0 * n1 + 4.0 * n2 - n3) * u * u +
                  (3.0 * n1 - n0 - 3.0 * n2 + n3) * u * u * u);
}

double Gain(ResponseFilter& filter, double raw, double maximum, double factor, double dt) {
    return std::max(0.0, 1.0 + filter.Step(raw * maximum, factor, dt));
}

} // namespace

ShakeState StartShake(const ShakeSettings& settings, const util::Matrix<double>& rest,
                      const util::Vector3<double>& parentPosition) {
    ShakeState state;
    state.random = static_cast<std::uint32_t>(settings.seed);
    for (ShakeCurve& curve : state.curves) {
        curve.knots[2] = NextKnot(state.random);
        curve.knots[3] = NextKnot(state.random);
    }
    state.parentPosition = parentPosition;
    state.rest = rest;
    return state;
}

void StepShake(ShakeState& state, const std::array<double, kShakeInputCount>& raw,
               const util::Vector3<double>& parentPosition, const ShakeSettings& settings, double dt) {
    const double amplitudeGain =
        Gain(state.inputs[kShakeAmplitude], raw[kShakeAmplitude], settings.maxima[kShakeAmplitude],
             settings.responseFactors[kShakeAmplitude], dt);
    const double frequencyGain =
        Gain(state.inputs[kShakeFrequency], raw[kShakeFrequency], settings.maxima[kShakeFrequency],
             settings.responseFactors[kShakeFrequency], dt);
    const double speed = dt > 0.0 ? util::Length(parentPosition - state.parentPosition) / dt : 0.0;
    state.parentPosition = parentPosition;
    const double excess = std::max(0.0, speed - settings.motionThreshold);
    state.motion = FilterStep(state.motion, settings.motionGain * excess, settings.motionResponseFactor, dt);
    state.gain = amplitudeGain * (1.0 + std::max(0.0, state.motion));

    for (std::size_t k = 0; k < kShakeAxisCount; ++k) {
        ShakeCurve& curve = state.curves[k];
        curve.phase += std::max(0.0, settings.frequencies[k]) * frequencyGain * dt;
        const double passed = std::floor(curve.phase);
        curve.phase -= passed;
        const int moves = static_cast<int>(std::min(passed, static_cast<double>(kMostKnotsPerStep)));
        for (int i = 0; i < moves; ++i) MoveOn(curve, state.random);
    }
}

ShakeAxes ShakeOffsets(const ShakeState& state, const ShakeSettings& settings) {
    ShakeAxes offsets{};
    for (std::size_t k = 0; k < kShakeAxisCount; ++k)
        offsets[k] = settings.amplitudes[k] * state.gain * CatmullRom(state.curves[k]);
    return offsets;
}

util::Matrix<double> ShakeMatrix(const ShakeAxes& offsets) {
    util::Matrix<double> shake = util::EulerXYZToMatrix(util::Vector3<double>{
        offsets[kShakePitch] * kRadiansPerDegree, offsets[kShakeYaw] * kRadiansPerDegree,
        offsets[kShakeRoll] * kRadiansPerDegree});
    shake.m[3][0] = offsets[kShakeX];
    shake.m[3][1] = offsets[kShakeY];
    shake.m[3][2] = offsets[kShakeZ];
    return shake;
}

util::Matrix<double> ShakenLocal(const ShakeState& state, const ShakeSettings& settings) {
    return ShakeMatrix(ShakeOffsets(state, settings)) * state.rest;
}

} // namespace vex::orb::addon
