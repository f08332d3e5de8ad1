#pragma once

#include "util/Quat.h"
#include "util/Vector3.h"

#include <algorithm>
#include <cmath>
#include <concepts>
#include <cstdint>

namespace vex::util {

/// Scales `v` to length 1; a zero vector becomes (0, 1, 0).
template <typename T>
void Normalize(Vector3<T>& v) {
    const T length = Length(v);
    if (length == T(0)) {
        v = {T(0), T(1), T(0)};
        return;
    }
    v /= length;
}

/// Shortens `v` to length `max` when it is longer; otherwise leaves it unchanged.
template <typename T>
void ClampLength(Vector3<T>& v, T max) {
    if (Length(v) > max) {
        Normalize(v);
        v *= max;
    }
}

/// Scales `q` to length 1 in place; a zero quaternion becomes the identity.
template <typename T>
void Normalize(Quat<T>& q) {
    const T length = std::sqrt(Dot(q, q));
    if (length == T(0)) {
        q = Quat<T>();
        return;
    }
    q = q / length;
}

/// A copy of `q` scaled to length 1; a zero quaternion is returned unchanged (all zero).
template <typename T>
Quat<T> Normalized(const Quat<T>& q) {
    const T length = std::sqrt(Dot(q, q));
    if (length == T(0)) return q;
    return q / length;
}

/// The rotation `a` followed by the rotation `b` (the Hamilton product b·a).
template <typename T>
constexpr Quat<T> Multiply(const Quat<T>& a, const Quat<T>& b) {
    return {a.w * b.x + a.x * b.w + a.z * b.y - a.y * b.z, a.w * b.y + a.y * b.w + a.x * b.z - a.z * b.x,
            a.w * b.z + a.z * b.w + a.y * b.x - a.x * b.y, a.w * b.w - (a.x * b.x + a.y * b.y + a.z * b.z)};
}

/// `v` rotated by the unit quaternion `q` (q·v·q*), so Rotate(Multiply(a, b), v) equals
/// Rotate(b, Rotate(a, v)).
template <typename T>
constexpr Vector3<T> Rotate(const Quat<T>& q, const Vector3<T>& v) {
    const Vector3<T> axis{q.x, q.y, q.z};
    const Vector3<T> t = Cross(axis, v) * T(2);
    return v + t * q.w + Cross(axis, t);
}

/// The rotation of |v| radians about the direction of `v`; a zero vector gives the identity.
template <typename T>
Quat<T> FromRotationVector(const Vector3<T>& v) {
    const T angle = Length(v);
    if (angle == T(0)) return Quat<T>();
    // sin(angle / 2) along the unit axis v / angle, in one scale.
    const T s = std::sin(angle / T(2)) / angle;
    return {s * v.x, s * v.y, s * v.z, std::cos(angle / T(2))};
}

/// The rotation vector (axis times angle, angle in [0, π]) of `q`, taking the shorter arc.
template <typename T>
Vector3<T> ToRotationVector(const Quat<T>& q) {
    const Quat<T> p = q.w < T(0) ? -q : q;
    const T angle = T(2) * std::acos(std::clamp(p.w, T(-1), T(1)));
    if (angle == T(0)) return {};
    return Vector3<T>{p.x, p.y, p.z} * angle / std::sin(angle / T(2));
}

/// Moves `q` the fraction a·b of the great arc toward `target` (no hemisphere correction). Leaves
/// `q` unchanged when it equals `target` or the arc has no length.
template <typename T>
void SlerpStep(Quat<T>& q, const Quat<T>& target, T a, T b) {
    if (q == target) return;
    const T omega = std::acos(std::clamp(Dot(q, target), T(-1), T(1)));
    if (omega == T(0)) return;
    const T sinOmega = std::sin(omega);
    if (sinOmega == T(0)) return;
    const T s = a * b * omega;
    q = (std::sin(omega - s) * q + std::sin(s) * target) / sinOmega;
}

/// Keeps `q` within `maxAngle` radians of `target`; inside the limit `q` is left exactly as it was.
template <typename T>
void LimitRotation(Quat<T>& q, const Quat<T>& target, T maxAngle) {
    const auto upper = [](const Quat<T>& r) { return r.w < T(0) ? -r : r; };
    const Quat<T> from = upper(q);
    const Quat<T> to = upper(target);
    const Vector3<T> r = ToRotationVector(upper(Multiply(from, Conjugate(to))));
    if (Length(r) > maxAngle) {
        Vector3<T> limited = r;
        Normalize(limited);
        q = upper(Multiply(FromRotationVector(limited * maxAngle), to));
        Normalize(q);
    }
}

namespace detail {

/// The scalar type of a value the follow operations work on: a floating-point number or a Vector3.
template <typename V>
struct FollowScalar;
template <std::floating_point T>
struct FollowScalar<T> {
    using type = T;
};
template <typename T>
struct FollowScalar<Vector3<T>> {
    using type = T;
};

template <typename V>
concept FollowValue = requires {
    typename FollowScalar<V>::type;
};

template <typename V>
using FollowScalarT = typename FollowScalar<V>::type;

/// The follow operations are tuned for a 25 Hz reference frame.
inline constexpr double kReferenceFrame = 0.04;
/// Keeps absurd time steps (about eleven hours and more) from looping for ever.
inline constexpr std::int64_t kMaxSubSteps = 1000000;

/// How a time step is divided: `count` sub-steps of `fraction` reference frames each.
template <typename T>
struct SubSteps {
    std::int64_t count;
    T fraction;
};

/// n := 1 + trunc(dt / 0.04) sub-steps of f := (dt / 0.04) / n reference frames.
template <typename T>
SubSteps<T> SplitTimeStep(T dt) {
    const T frames = dt / T(kReferenceFrame);
    const T count = T(1) + std::trunc(frames);
    // A negative or non-number step still takes one sub-step; NaN fails both comparisons.
    const std::int64_t n = count >= T(kMaxSubSteps) ? kMaxSubSteps
                           : count >= T(1)          ? static_cast<std::int64_t>(count)
                                                    : 1;
    return {n, frames / static_cast<T>(n)};
}

/// `count` times: value := value + (target − value) · g.
template <typename V, typename T>
void StepToward(V& value, const V& target, T g, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) value = value + (target - value) * g;
}

/// The Approach rule for any value with + − and scalar *. When g ≥ 1 or `factor` is 0 the value
/// jumps to the target, or is left alone when `mayJump` is false.
template <typename V, typename T>
void ApproachValue(V& value, const V& target, T factor, T dt, bool mayJump) {
    const SubSteps<T> steps = SplitTimeStep(dt);
    const T g = steps.fraction * factor;
    if (g >= T(1) || factor == T(0)) {
        if (mayJump) value = target;
        return;
    }
    StepToward(value, target, g, steps.count);
}

} // namespace detail

/// Frame-rate-independent first-order follow of `target` (a number or a Vector3); `factor` is the
/// share of the gap closed per 0.04 s frame, and exactly 0 or 1 jumps to the target.
template <detail::FollowValue V>
void Smooth(V& value, const V& target, detail::FollowScalarT<V> factor, detail::FollowScalarT<V> dt) {
    using T = detail::FollowScalarT<V>;
    if (factor == T(1) || factor == T(0)) {
        value = target;
        return;
    }
    const detail::SubSteps<T> steps = detail::SplitTimeStep(dt);
    for (std::int64_t i = 0; i < steps.count; ++i) value = value + (target - value) * steps.fraction * factor;
}

/// The camera rigs' follow of `target` (a number or a Vector3): like Smooth, but it jumps to the
/// target when a sub-step would close the whole gap (or `factor` is exactly 0).
template <detail::FollowValue V>
void Approach(V& value, const V& target, detail::FollowScalarT<V> factor, detail::FollowScalarT<V> dt) {
    detail::ApproachValue(value, target, factor, dt, true);
}

/// Approach with the speed bounded by `maxRate` per second: the target is first pulled to within
/// maxRate·dt of `value`, and the jumps do not happen. With `maxRate` 0 it is exactly Approach.
template <std::floating_point T>
void ApproachLimited(T& value, T target, T factor, T maxRate, T dt) {
    if (maxRate == T(0)) {
        detail::ApproachValue(value, target, factor, dt, true);
        return;
    }
    const T reach = maxRate * dt;
    if (std::abs(target - value) > reach) target = target > value ? value + reach : value - reach;
    detail::ApproachValue(value, target, factor, dt, false);
}

/// Approach for orientations: `q` follows `target` component by component on the nearer
/// hemisphere and is normalised afterwards (a zero result becomes the identity).
template <typename T>
void ApproachRotation(Quat<T>& q, Quat<T> target, T factor, T dt) {
    if (q.w < T(0)) q = -q;
    if (target.w < T(0)) target = -target;
    const Quat<T> toTarget = target - q;
    const Quat<T> toOpposite = -target - q;
    if (Dot(toOpposite, toOpposite) < Dot(toTarget, toTarget)) q = -q;
    detail::ApproachValue(q, target, factor, dt, true);
    Normalize(q);
}

} // namespace vex::util
