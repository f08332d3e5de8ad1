#include "system/adaptors/memory/Interpolation.h"

#include "util/MathOps.h"
#include "util/QTransform.h"
#include "util/Rotation.h"

namespace vex::orb::adaptor::memory {

double Interpolate(double a, double b, double f) {
    return a + (b - a) * f;
}

util::Matrix<double> Interpolate(const util::Matrix<double>& a, const util::Matrix<double>& b, double f) {
    util::QTransform<double> from;
    util::QTransform<double> to;
    util::Vector3<double> fromScale;
    util::Vector3<double> toScale;
    util::Decompose(a, from, fromScale);
    util::Decompose(b, to, toScale);

    util::QTransform<double> between;
    between.translation = from.translation + (to.translation - from.translation) * f;
    util::Quat<double> rotation = from.rotation;
    const util::Quat<double> target =
        util::Dot(from.rotation, to.rotation) < 0.0 ? -to.rotation : to.rotation;
    util::SlerpStep(rotation, target, f, 1.0);
    util::Normalize(rotation);
    between.rotation = rotation;
    return util::ToMatrix(between, fromScale + (toScale - fromScale) * f);
}

} // namespace vex::orb::adaptor::memory
