#pragma once

#include "util/Vector3.h"

#include <cmath>

namespace vex::util {

/// A 4×4 transform in the row-vector convention: a point is a row vector multiplied on the left
/// (p' = p·M), so the translation sits in the last row, m[3][0..2], and A·B applies A first.
template <typename T>
struct Matrix {
    T m[4][4];

    /// The identity.
    constexpr Matrix() : m{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}} {}

    /// Exact element-wise comparison.
    constexpr bool operator==(const Matrix&) const = default;
};

/// The matrix product a·b: the transform a followed by the transform b.
template <typename T>
constexpr Matrix<T> operator*(const Matrix<T>& a, const Matrix<T>& b) {
    Matrix<T> r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            r.m[i][j] =
                a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
        }
    }
    return r;
}

/// The point (p, 1)·M; a projective result is divided by its w unless w is 0.
template <typename T>
constexpr Vector3<T> TransformPoint(const Matrix<T>& a, const Vector3<T>& p) {
    const auto& m = a.m;
    const Vector3<T> r{p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0],
                       p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1],
                       p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2]};
    const T w = p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + m[3][3];
    return w == T(0) || w == T(1) ? r : r / w;
}

/// The direction (d, 0)·M: rotated and scaled, not translated.
template <typename T>
constexpr Vector3<T> TransformDirection(const Matrix<T>& a, const Vector3<T>& d) {
    const auto& m = a.m;
    return {d.x * m[0][0] + d.y * m[1][0] + d.z * m[2][0], d.x * m[0][1] + d.y * m[1][1] + d.z * m[2][1],
            d.x * m[0][2] + d.y * m[1][2] + d.z * m[2][2]};
}

/// Rows and columns swapped.
template <typename T>
constexpr Matrix<T> Transpose(const Matrix<T>& a) {
    Matrix<T> r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) r.m[i][j] = a.m[j][i];
    }
    return r;
}

namespace detail {

/// The six 2×2 minors of rows 0–1 (s) and of rows 2–3 (c) that the determinant and the inverse
/// are built from (Laplace expansion along the first two rows).
template <typename T>
struct MatrixMinors {
    T s[6];
    T c[6];

    constexpr explicit MatrixMinors(const T (&m)[4][4])
        : s{m[0][0] * m[1][1] - m[1][0] * m[0][1], m[0][0] * m[1][2] - m[1][0] * m[0][2],
            m[0][0] * m[1][3] - m[1][0] * m[0][3], m[0][1] * m[1][2] - m[1][1] * m[0][2],
            m[0][1] * m[1][3] - m[1][1] * m[0][3], m[0][2] * m[1][3] - m[1][2] * m[0][3]},
          c{m[2][0] * m[3][1] - m[3][0] * m[2][1], m[2][0] * m[3][2] - m[3][0] * m[2][2],
            m[2][0] * m[3][3] - m[3][0] * m[2][3], m[2][1] * m[3][2] - m[3][1] * m[2][2],
            m[2][1] * m[3][3] - m[3][1] * m[2][3], m[2][2] * m[3][3] - m[3][2] * m[2][3]} {}

    constexpr T Determinant() const {
        return s[0] * c[5] - s[1] * c[4] + s[2] * c[3] + s[3] * c[2] - s[4] * c[1] + s[5] * c[0];
    }
};

/// Below this ratio of |det| to the product of the row lengths (its largest possible value) the
/// rows are taken as linearly dependent: an inverse would be rounding noise.
inline constexpr double kSingularRatio = 1e-12;

} // namespace detail

/// The determinant.
template <typename T>
constexpr T Determinant(const Matrix<T>& a) {
    return detail::MatrixMinors<T>(a.m).Determinant();
}

/// Writes the inverse of `a` to `out` and returns true; returns false for a singular matrix (rows
/// linearly dependent up to rounding), leaving `out` unchanged. `out` may be `a` itself.
template <typename T>
bool Inverse(const Matrix<T>& a, Matrix<T>& out) {
    const auto& m = a.m;
    const detail::MatrixMinors<T> minors(m);
    const T det = minors.Determinant();
    T rowLengths = T(1);
    for (const auto& row : m) {
        rowLengths *= std::sqrt(row[0] * row[0] + row[1] * row[1] + row[2] * row[2] + row[3] * row[3]);
    }
    if (!(std::abs(det) > T(detail::kSingularRatio) * rowLengths)) return false;

    const T* s = minors.s;
    const T* c = minors.c;
    const T k = T(1) / det;
    Matrix<T> r;
    r.m[0][0] = (m[1][1] * c[5] - m[1][2] * c[4] + m[1][3] * c[3]) * k;
    r.m[0][1] = (-m[0][1] * c[5] + m[0][2] * c[4] - m[0][3] * c[3]) * k;
    r.m[0][2] = (m[3][1] * s[5] - m[3][2] * s[4] + m[3][3] * s[3]) * k;
    r.m[0][3] = (-m[2][1] * s[5] + m[2][2] * s[4] - m[2][3] * s[3]) * k;
    r.m[1][0] = (-m[1][0] * c[5] + m[1][2] * c[2] - m[1][3] * c[1]) * k;
    r.m[1][1] = (m[0][0] * c[5] - m[0][2] * c[2] + m[0][3] * c[1]) * k;
    r.m[1][2] = (-m[3][0] * s[5] + m[3][2] * s[2] - m[3][3] * s[1]) * k;
    r.m[1][3] = (m[2][0] * s[5] - m[2][2] * s[2] + m[2][3] * s[1]) * k;
    r.m[2][0] = (m[1][0] * c[4] - m[1][1] * c[2] + m[1][3] * c[0]) * k;
    r.m[2][1] = (-m[0][0] * c[4] + m[0][1] * c[2] - m[0][3] * c[0]) * k;
    r.m[2][2] = (m[3][0] * s[4] - m[3][1] * s[2] + m[3][3] * s[0]) * k;
    r.m[2][3] = (-m[2][0] * s[4] + m[2][1] * s[2] - m[2][3] * s[0]) * k;
    r.m[3][0] = (-m[1][0] * c[3] + m[1][1] * c[1] - m[1][2] * c[0]) * k;
    r.m[3][1] = (m[0][0] * c[3] - m[0][1] * c[1] + m[0][2] * c[0]) * k;
    r.m[3][2] = (-m[3][0] * s[3] + m[3][1] * s[1] - m[3][2] * s[0]) * k;
    r.m[3][3] = (m[2][0] * s[3] - m[2][1] * s[1] + m[2][2] * s[0]) * k;
    out = r;
    return true;
}

} // namespace vex::util
