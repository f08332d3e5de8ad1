#include "plugins/ruzovuzediziviz/MotionFilter.h"

#include "util/MathOps.h"

namespace vex::orb::addon {
namespace {

/// Number of sub-steps the orientation spring divides each step into.
constexpr int kRotationSubSteps = 10;

/// Bounds the speed of `velocity` to `maxVelocity`; 0 means no limit.
void LimitSpeed(util::Vector3<double>& velocity, double maxVelocity) {
    if (maxVelocity != 0.0) util::ClampLength(velocity, maxVelocity);
}

} // namespace

void FilterTranslation(util::Vector3<double>& position, util::Vector3<double>& velocity,
                       const util::Vector3<double>& target, const SpringSettings& settings, double h) {
    if (settings.response == 0.0) {
        position = target;
        return;
    }
    position += h * velocity;
    velocity += h * (settings.response * (target - position) - settings.smoothing * velocity);
    LimitSpeed(velocity, settings.maxVelocity);
}

void FilterRotation(util::Quat<double>& q, util::Vector3<double>& w, const util::Quat<double>& target,
                    const SpringSettings& settings, double h) {
    if (settings.response == 0.0) {
        q = target;
        return;
    }
    const double s = h / kRotationSubSteps;
    for (int i = 0; i < kRotationSubSteps; ++i) {
        // q ← q + (s/2)·(q ⊗ (ω, 0)), then back to unit length.
        const util::Quat<double> dq{w.x * q.w - w.y * q.z + w.z * q.y, w.y * q.w + w.x * q.z - w.z * q.x,
                                    w.y * q.x - w.x * q.y + w.z * q.w, -w.x * q.x - w.y * q.y - w.z * q.z};
        q = util::Normalized(q + dq * (s / 2.0));
        // Body-frame error conj(q) ⊗ target as a rotation vector, taken the shorter way.
        const util::Vector3<double> error =
            util::ToRotationVector(util::Multiply(target, util::Conjugate(q)));
        w += s * (settings.response * error - settings.smoothing * w);
        LimitSpeed(w, settings.maxVelocity);
    }
}

} // namespace vex::orb::addon
