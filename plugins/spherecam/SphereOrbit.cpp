#include "plugins/spherecam/SphereOrbit.h"

#include "util/Rotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

} // namespace

double WrapDegrees(double angle) {
    return angle - 360.0 * std::floor((angle + 180.0) / 360.0);
}

SpherePosition Limited(const SpherePosition& position, const SphereSettings& settings) {
    const double limit = std::clamp(settings.latitudeLimit, 0.0, 90.0);
    return {WrapDegrees(position.longitude), std::clamp(position.latitude, -limit, limit),
            std::max(position.radius, settings.minimumRadius), WrapDegrees(position.roll)};
}

void StepSphere(SphereState& state, const SphereInputs& raw, const SphereSettings& settings, double dt) {
    SphereInputs rate{};
    for (std::size_t k = 0; k < kSphereInputCount; ++k)
        rate[k] = state.rates[k].Step(raw[k] * settings.maxima[k], settings.responseFactors[k], dt);
    SpherePosition& p = state.position;
    p.longitude += rate[kSphereLongitude] * dt;
    p.latitude += rate[kSphereLatitude] * dt;
    p.radius *= std::exp(rate[kSphereRadius] * dt);
    p.roll += rate[kSphereRoll] * dt;
    p = Limited(p, settings);
}

util::Matrix<double> OrbitMatrix(const SpherePosition& position) {
    const double lambda = position.longitude * kRadiansPerDegree;
    const double phi = position.latitude * kRadiansPerDegree;
    const double psi = position.roll * kRadiansPerDegree;
    const double sinL = std::sin(lambda), cosL = std::cos(lambda);
    const double sinP = std::sin(phi), cosP = std::cos(phi);
    const double sinR = std::sin(psi), cosR = std::cos(psi);
    const double z[3] = {cosP * sinL, sinP, cosP * cosL};
    const double x[3] = {cosL, 0.0, -sinL};
    const double y[3] = {-sinP * sinL, cosP, -sinP * cosL};
    util::Matrix<double> m;
    for (int i = 0; i < 3; ++i) {
        m.m[0][i] = cosR * x[i] - sinR * y[i];
        m.m[1][i] = sinR * x[i] + cosR * y[i];
        m.m[2][i] = z[i];
        m.m[3][i] = position.radius * z[i];
    }
    return m;
}

util::Matrix<double> SphereFrame(const util::Matrix<double>& targetWorld, bool gyroMode) {
    if (gyroMode) return util::ToMatrix(util::ToQTransform(targetWorld));
    util::Matrix<double> frame;
    for (int i = 0; i < 3; ++i) frame.m[3][i] = targetWorld.m[3][i];
    return frame;
}

} // namespace vex::orb::addon
