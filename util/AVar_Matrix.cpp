#include "util/AVar_Matrix.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

namespace vex::util {

void AVar_Matrix::interpolate(Key& out, const Key& a, const Key& b, double t) const {
    const double f = (t - a.time) / (b.time - a.time);
    QTransform<double> from, to;
    Vector3<double> fromScale, toScale;
    Decompose(a.value, from, fromScale);
    Decompose(b.value, to, toScale);

    QTransform<double> blend;
    blend.translation = from.translation + (to.translation - from.translation) * f;
    const Vector3<double> scale = fromScale + (toScale - fromScale) * f;
    // Both rotations come with w ≥ 0, which is not yet the shorter arc: that needs a positive dot.
    const Quat<double> target = Dot(from.rotation, to.rotation) < 0.0 ? -to.rotation : to.rotation;
    blend.rotation = from.rotation;
    SlerpStep(blend.rotation, target, f, 1.0);
    Normalize(blend.rotation);

    out.time = t;
    out.value = ToMatrix(blend, scale);
}

} // namespace vex::util
