#pragma once

#include "util/Matrix.h"
#include "util/Quat.h"
#include "util/Vector3.h"

#include <gtest/gtest.h>

#include <numbers>

// Tolerant comparisons shared by the math tests.
namespace vex::util::test {

using V = Vector3<double>;
using Q = Quat<double>;
using M = Matrix<double>;
inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTol = 1e-12;

inline void ExpectNear(const V& a, const V& e, double tol = kTol) {
    EXPECT_NEAR(a.x, e.x, tol);
    EXPECT_NEAR(a.y, e.y, tol);
    EXPECT_NEAR(a.z, e.z, tol);
}

inline void ExpectNear(const Q& a, const Q& e, double tol = kTol) {
    EXPECT_NEAR(a.x, e.x, tol);
    EXPECT_NEAR(a.y, e.y, tol);
    EXPECT_NEAR(a.z, e.z, tol);
    EXPECT_NEAR(a.w, e.w, tol);
}

inline void ExpectNear(const M& a, const M& e, double tol = kTol) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], e.m[i][j], tol) << i << "," << j;
    }
}

// Same rotation: equal up to the sign of the whole quaternion.
inline void ExpectSameRotation(const Q& a, const Q& e) {
    ExpectNear(a, Dot(a, e) < 0 ? -e : e);
}

} // namespace vex::util::test
