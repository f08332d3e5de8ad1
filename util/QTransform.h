#pragma once

#include "util/MathOps.h"
#include "util/Quat.h"
#include "util/Vector3.h"

namespace vex::util {

/// A rigid transform: a point is rotated by `rotation`, then moved by `translation`.
template <typename T>
struct QTransform {
    Vector3<T> translation;
    Quat<T> rotation;

    /// Exact component-wise comparison.
    constexpr bool operator==(const QTransform&) const = default;
};

/// The point `p` rotated, then translated.
template <typename T>
constexpr Vector3<T> TransformPoint(const QTransform<T>& t, const Vector3<T>& p) {
    return Rotate(t.rotation, p) + t.translation;
}

/// The transform `a` followed by the transform `b`, like Multiply on quaternions.
template <typename T>
constexpr QTransform<T> Multiply(const QTransform<T>& a, const QTransform<T>& b) {
    return {Rotate(b.rotation, a.translation) + b.translation, Multiply(a.rotation, b.rotation)};
}

/// The transform that undoes `t` (its rotation must be a unit quaternion).
template <typename T>
constexpr QTransform<T> Inverse(const QTransform<T>& t) {
    const Quat<T> back = Conjugate(t.rotation);
    return {-Rotate(back, t.translation), back};
}

} // namespace vex::util
