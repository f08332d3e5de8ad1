#include "plugins/gyro/GyroMath.h"

#include "plugins/common/CameraPose.h"

#include <cmath>

namespace vex::orb::addon {
namespace {

// Degrees per radian; the restriction angle is taken through degrees and back.
constexpr double kDegreesPerRadian = 57.29577951308232;

// `p` as the homogeneous row (x, y, z, w) multiplied by `m`.
void TransformHomogeneous(const double p[4], const util::Matrix<double>& m, double out[4]) {
    for (int c = 0; c < 4; ++c)
        out[c] = p[0] * m.m[0][c] + p[1] * m.m[1][c] + p[2] * m.m[2][c] + p[3] * m.m[3][c];
}

} // namespace

util::Matrix<double> AxisRotation(const util::Vector3<double>& axis, double radians) {
    const double a = (radians * kDegreesPerRadian) / kDegreesPerRadian;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double k = 1.0 - c;
    const double x = axis.x, y = axis.y, z = axis.z;
    util::Matrix<double> r;
    r.m[0][0] = x * x * k + c;
    r.m[0][1] = x * y * k + s * z;
    r.m[0][2] = x * z * k - s * y;
    r.m[1][0] = x * y * k - s * z;
    r.m[1][1] = y * y * k + c;
    r.m[1][2] = y * z * k + s * x;
    r.m[2][0] = x * z * k + s * y;
    r.m[2][1] = y * z * k - s * x;
    r.m[2][2] = z * z * k + c;
    return r;
}

GyroAxis RestrictionAxis(bool aboutX, bool aboutY, bool aboutZ) {
    if (aboutY) return GyroAxis::kYaw;
    if (aboutX) return GyroAxis::kPitch;
    if (aboutZ) return GyroAxis::kRoll;
    return GyroAxis::kNone;
}

util::Matrix<double> RestrictRotation(const util::Matrix<double>& local, GyroAxis axis) {
    const auto& l = local.m;
    util::Matrix<double> rotation;
    switch (axis) {
    case GyroAxis::kNone:
        return local;
    case GyroAxis::kYaw:
        rotation = AxisRotation({0, 1, 0}, std::atan2(l[2][0], l[2][2]));
        break;
    case GyroAxis::kPitch:
        rotation = AxisRotation({1, 0, 0}, std::atan2(l[1][2], l[1][1]));
        break;
    case GyroAxis::kRoll:
        rotation = AxisRotation({0, 0, 1}, -std::atan2(l[1][0], l[1][1]));
        break;
    }
    util::Matrix<double> out = local;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) out.m[r][c] = rotation.m[r][c];
    return out;
}

util::Vector3<double> ClonedPosition(const util::Vector3<double>& pivot, const util::Matrix<double>& eye,
                                     const bool clone[3]) {
    if (!clone[0] && !clone[1] && !clone[2]) return pivot;
    // An eye squashed flat has no frame to express the pivot in; the pivot position is kept.
    util::Matrix<double> toEye;
    if (!util::Inverse(eye, toEye)) return pivot;
    const double world[4] = {pivot.x, pivot.y, pivot.z, 1.0};
    double local[4];
    TransformHomogeneous(world, toEye, local);
    for (int i = 0; i < 3; ++i)
        if (clone[i]) local[i] = 0.0;
    double back[4];
    TransformHomogeneous(local, eye, back);
    const double w = back[3] == 0.0 ? 1.0 : back[3];
    return {back[0] / w, back[1] / w, back[2] / w};
}

util::Matrix<double> GyroWorldMatrix(const util::Matrix<double>& pivot, const util::Matrix<double>& gyro,
                                     const util::Matrix<double>& eye, const GyroSettings& settings) {
    const util::Vector3<double> pivotScale = AxisLengths(pivot);
    const util::Vector3<double> eyeScale = AxisLengths(eye);
    const util::Vector3<double> position =
        ClonedPosition({pivot.m[3][0], pivot.m[3][1], pivot.m[3][2]}, eye, settings.clonePosition);

    util::Matrix<double> g = settings.enableGyro ? eye : gyro;
    RescaleBasis(g, {settings.cloneScale[0] ? eyeScale.x : pivotScale.x,
                     settings.cloneScale[1] ? eyeScale.y : pivotScale.y,
                     settings.cloneScale[2] ? eyeScale.z : pivotScale.z});
    g.m[3][0] = position.x;
    g.m[3][1] = position.y;
    g.m[3][2] = position.z;
    return g;
}

} // namespace vex::orb::addon
