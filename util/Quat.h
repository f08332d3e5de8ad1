#pragma once

namespace vex::util {

/// A rotation as a unit quaternion (x, y, z, w); the identity is (0, 0, 0, 1) and the rotation angle
/// is 2·acos(w). The operators work on the four components as a plain 4-vector.
template <typename T>
struct Quat {
    T x{};
    T y{};
    T z{};
    T w{1};

    constexpr Quat() = default;
    constexpr Quat(T x, T y, T z, T w) : x(x), y(y), z(z), w(w) {}

    /// Exact component-wise comparison.
    constexpr bool operator==(const Quat&) const = default;
};

/// Component-wise sum.
template <typename T>
constexpr Quat<T> operator+(const Quat<T>& a, const Quat<T>& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w};
}

/// Component-wise difference.
template <typename T>
constexpr Quat<T> operator-(const Quat<T>& a, const Quat<T>& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w};
}

/// All four components negated (the same rotation, the other hemisphere).
template <typename T>
constexpr Quat<T> operator-(const Quat<T>& q) {
    return {-q.x, -q.y, -q.z, -q.w};
}

/// Each component scaled by `s`.
template <typename T>
constexpr Quat<T> operator*(const Quat<T>& q, T s) {
    return {q.x * s, q.y * s, q.z * s, q.w * s};
}

/// Each component scaled by `s`.
template <typename T>
constexpr Quat<T> operator*(T s, const Quat<T>& q) {
    return q * s;
}

/// Each component divided by `s`.
template <typename T>
constexpr Quat<T> operator/(const Quat<T>& q, T s) {
    return {q.x / s, q.y / s, q.z / s, q.w / s};
}

/// (−x, −y, −z, w): the inverse rotation of a unit quaternion.
template <typename T>
constexpr Quat<T> Conjugate(const Quat<T>& q) {
    return {-q.x, -q.y, -q.z, q.w};
}

/// Four-component dot product.
template <typename T>
constexpr T Dot(const Quat<T>& a, const Quat<T>& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

} // namespace vex::util
