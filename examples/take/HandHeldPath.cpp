#include "examples/take/HandHeldPath.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <cmath>
#include <numbers>

namespace vex::examples {

namespace {

// Shake: a sum of sines with unrelated frequencies, which never repeats over a take.
double Shake(double t, double phase) {
    return 0.5 * std::sin(7.3 * t + phase) + 0.3 * std::sin(13.1 * t + 2.0 * phase) +
           0.2 * std::sin(23.7 * t + 3.0 * phase);
}

} // namespace

util::Matrix<double> HandHeldPose(double t) {
    const util::Vector3<double> position{1.2 * t + 0.12 * Shake(t, 0.0),
                                         1.6 + 0.03 * std::sin(2.0 * std::numbers::pi * 1.8 * t) +
                                             0.02 * Shake(t, 1.0),
                                         1.5 * std::sin(0.6 * t) + 0.15 * Shake(t, 2.0)};
    const util::Vector3<double> angles{0.04 * Shake(t, 3.0), 0.6 * std::cos(0.6 * t) + 0.05 * Shake(t, 4.0),
                                       0.03 * Shake(t, 5.0)};
    return util::ToMatrix(util::QTransform<double>{position, util::EulerXYZToQuat(angles)});
}

} // namespace vex::examples
