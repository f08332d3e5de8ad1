#pragma once

#include <cmath>

namespace vex::util {

/// A position, direction or offset in the right-handed, Y-up world; lengths in metres.
template <typename T>
struct Vector3 {
    T x{};
    T y{};
    T z{};

    constexpr Vector3() = default;
    constexpr Vector3(T x, T y, T z) : x(x), y(y), z(z) {}

    constexpr Vector3& operator+=(const Vector3& o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    constexpr Vector3& operator-=(const Vector3& o) {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    constexpr Vector3& operator*=(T s) {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
    constexpr Vector3& operator/=(T s) {
        x /= s;
        y /= s;
        z /= s;
        return *this;
    }

    /// Exact component-wise comparison.
    constexpr bool operator==(const Vector3&) const = default;
};

/// Component-wise sum.
template <typename T>
constexpr Vector3<T> operator+(Vector3<T> a, const Vector3<T>& b) {
    return a += b;
}

/// Component-wise difference.
template <typename T>
constexpr Vector3<T> operator-(Vector3<T> a, const Vector3<T>& b) {
    return a -= b;
}

/// The vector pointing the other way.
template <typename T>
constexpr Vector3<T> operator-(const Vector3<T>& v) {
    return {-v.x, -v.y, -v.z};
}

/// Each component scaled by `s`.
template <typename T>
constexpr Vector3<T> operator*(Vector3<T> v, T s) {
    return v *= s;
}

/// Each component scaled by `s`.
template <typename T>
constexpr Vector3<T> operator*(T s, Vector3<T> v) {
    return v *= s;
}

/// Each component divided by `s`.
template <typename T>
constexpr Vector3<T> operator/(Vector3<T> v, T s) {
    return v /= s;
}

/// Dot product.
template <typename T>
constexpr T Dot(const Vector3<T>& a, const Vector3<T>& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

/// Cross product, right-handed: Cross(X, Y) = Z.
template <typename T>
constexpr Vector3<T> Cross(const Vector3<T>& a, const Vector3<T>& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

/// Squared Euclidean length (no square root).
template <typename T>
constexpr T LengthSquared(const Vector3<T>& v) {
    return Dot(v, v);
}

/// Euclidean length.
template <typename T>
T Length(const Vector3<T>& v) {
    return std::sqrt(LengthSquared(v));
}

} // namespace vex::util
