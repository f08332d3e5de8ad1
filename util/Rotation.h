#pragma once

#include "util/MathOps.h"
#include "util/Matrix.h"
#include "util/QTransform.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <cmath>

namespace vex::util {

/// The rotation matrix of the unit quaternion `q` in the row-vector convention, so that
/// TransformDirection(ToMatrix(q), v) equals Rotate(q, v); no translation.
template <typename T>
constexpr Matrix<T> ToMatrix(const Quat<T>& q) {
    const T xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const T xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const T wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    Matrix<T> r;
    r.m[0][0] = T(1) - T(2) * (yy + zz);
    r.m[0][1] = T(2) * (xy + wz);
    r.m[0][2] = T(2) * (xz - wy);
    r.m[1][0] = T(2) * (xy - wz);
    r.m[1][1] = T(1) - T(2) * (xx + zz);
    r.m[1][2] = T(2) * (yz + wx);
    r.m[2][0] = T(2) * (xz + wy);
    r.m[2][1] = T(2) * (yz - wx);
    r.m[2][2] = T(1) - T(2) * (xx + yy);
    return r;
}

/// The unit quaternion (with w ≥ 0) of the rotation in the upper 3×3 of `a`, which must be
/// orthonormal; the translation is ignored.
template <typename T>
Quat<T> ToQuat(const Matrix<T>& a) {
    const auto& m = a.m;
    const T trace = m[0][0] + m[1][1] + m[2][2];
    Quat<T> q;
    // Divide by the largest of the four candidates for precision.
    if (trace > T(0)) {
        const T s = std::sqrt(trace + T(1)) * T(2);
        q = {(m[1][2] - m[2][1]) / s, (m[2][0] - m[0][2]) / s, (m[0][1] - m[1][0]) / s, s / T(4)};
    } else if (m[0][0] > m[1][1] && m[0][0] > m[2][2]) {
        const T s = std::sqrt(T(1) + m[0][0] - m[1][1] - m[2][2]) * T(2);
        q = {s / T(4), (m[0][1] + m[1][0]) / s, (m[0][2] + m[2][0]) / s, (m[1][2] - m[2][1]) / s};
    } else if (m[1][1] > m[2][2]) {
        const T s = std::sqrt(T(1) + m[1][1] - m[0][0] - m[2][2]) * T(2);
        q = {(m[0][1] + m[1][0]) / s, s / T(4), (m[1][2] + m[2][1]) / s, (m[2][0] - m[0][2]) / s};
    } else {
        const T s = std::sqrt(T(1) + m[2][2] - m[0][0] - m[1][1]) * T(2);
        q = {(m[0][2] + m[2][0]) / s, (m[1][2] + m[2][1]) / s, s / T(4), (m[0][1] - m[1][0]) / s};
    }
    if (q.w < T(0)) q = -q;
    Normalize(q);
    return q;
}

/// The matrix that scales per axis by `scale`, then rotates and translates as `t` does.
template <typename T>
constexpr Matrix<T> ToMatrix(const QTransform<T>& t, const Vector3<T>& scale = {T(1), T(1), T(1)}) {
    Matrix<T> r = ToMatrix(t.rotation);
    const T factors[3] = {scale.x, scale.y, scale.z};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) r.m[i][j] *= factors[i];
    }
    r.m[3][0] = t.translation.x;
    r.m[3][1] = t.translation.y;
    r.m[3][2] = t.translation.z;
    return r;
}

/// Splits an affine matrix without shear into its translation, rotation and per-axis scale, the
/// inverse of ToMatrix(t, scale). A mirroring matrix gives all three scales negative; the rotation
/// of a zero-scaled axis is undefined.
template <typename T>
void Decompose(const Matrix<T>& a, QTransform<T>& t, Vector3<T>& scale) {
    Matrix<T> rotation;
    T factors[3];
    const T sign = Determinant(a) < T(0) ? T(-1) : T(1);
    for (int i = 0; i < 3; ++i) {
        const Vector3<T> row{a.m[i][0], a.m[i][1], a.m[i][2]};
        factors[i] = sign * Length(row);
        for (int j = 0; j < 3; ++j) rotation.m[i][j] = factors[i] == T(0) ? T(0) : a.m[i][j] / factors[i];
    }
    scale = {factors[0], factors[1], factors[2]};
    t.translation = {a.m[3][0], a.m[3][1], a.m[3][2]};
    t.rotation = ToQuat(rotation);
}

/// The rigid part of an affine matrix: its translation and rotation, any scale dropped.
template <typename T>
QTransform<T> ToQTransform(const Matrix<T>& a) {
    QTransform<T> t;
    Vector3<T> scale;
    Decompose(a, t, scale);
    return t;
}

/// The rotation of the Euler angles `radians` in XYZ order: about X first, then Y, then Z.
template <typename T>
Quat<T> EulerXYZToQuat(const Vector3<T>& radians) {
    const Quat<T> rx{std::sin(radians.x / T(2)), T(0), T(0), std::cos(radians.x / T(2))};
    const Quat<T> ry{T(0), std::sin(radians.y / T(2)), T(0), std::cos(radians.y / T(2))};
    const Quat<T> rz{T(0), T(0), std::sin(radians.z / T(2)), std::cos(radians.z / T(2))};
    return Multiply(Multiply(rx, ry), rz);
}

/// The rotation matrix of the Euler angles `radians` in XYZ order (Rx·Ry·Rz for row vectors).
template <typename T>
Matrix<T> EulerXYZToMatrix(const Vector3<T>& radians) {
    const T cx = std::cos(radians.x), sx = std::sin(radians.x);
    const T cy = std::cos(radians.y), sy = std::sin(radians.y);
    const T cz = std::cos(radians.z), sz = std::sin(radians.z);
    Matrix<T> r;
    r.m[0][0] = cy * cz;
    r.m[0][1] = cy * sz;
    r.m[0][2] = -sy;
    r.m[1][0] = sx * sy * cz - cx * sz;
    r.m[1][1] = sx * sy * sz + cx * cz;
    r.m[1][2] = sx * cy;
    r.m[2][0] = cx * sy * cz + sx * sz;
    r.m[2][1] = cx * sy * sz - sx * cz;
    r.m[2][2] = cx * cy;
    return r;
}

/// The XYZ Euler angles (x and z in [−π, π], y in [−π/2, π/2]) of the rotation in the orthonormal
/// upper 3×3 of `a`. At y = ±π/2 only x ∓ z is defined; x is then 0.
template <typename T>
Vector3<T> ToEulerXYZ(const Matrix<T>& a) {
    const auto& m = a.m;
    const T cy = std::hypot(m[0][0], m[0][1]);
    const T y = std::atan2(-m[0][2], cy);
    // Below this cos(y) the X and Z axes line up and their angles cannot be told apart.
    constexpr T kGimbalLock = T(1e-12);
    if (cy < kGimbalLock) return {T(0), y, std::atan2(-m[1][0], m[1][1])};
    return {std::atan2(m[1][2], m[2][2]), y, std::atan2(m[0][1], m[0][0])};
}

/// The XYZ Euler angles of the unit quaternion `q` (ranges as for the matrix form).
template <typename T>
Vector3<T> ToEulerXYZ(const Quat<T>& q) {
    return ToEulerXYZ(ToMatrix(q));
}

} // namespace vex::util
