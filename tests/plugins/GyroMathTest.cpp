#include "plugins/gyro/GyroMath.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

using util::Matrix;
using V = util::Vector3<double>;

constexpr double kDeg = std::numbers::pi / 180.0;

Matrix<double> About(const V& axis, double degrees) {
    return AxisRotation(axis, degrees * kDeg);
}

void ExpectBasisNear(const Matrix<double>& a, const Matrix<double>& b, double tolerance = 1e-12) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(a.m[r][c], b.m[r][c], tolerance) << r << "," << c;
}

Matrix<double> WithTranslation(Matrix<double> m, const V& p) {
    m.m[3][0] = p.x;
    m.m[3][1] = p.y;
    m.m[3][2] = p.z;
    return m;
}

TEST(GyroMath, AxisRotationIsTheRowVectorRotationAboutTheAxis) {
    const double s = std::sin(30 * kDeg), c = std::cos(30 * kDeg);
    const Matrix<double> yaw = About({0, 1, 0}, 30);
    EXPECT_DOUBLE_EQ(yaw.m[0][0], c);
    EXPECT_DOUBLE_EQ(yaw.m[0][2], -s);
    EXPECT_DOUBLE_EQ(yaw.m[2][0], s);
    EXPECT_DOUBLE_EQ(yaw.m[1][1], 1.0);
    // An oblique axis agrees with the quaternion rotation of the same axis and angle.
    const V axis = V{1, 2, 3} * (1.0 / std::sqrt(14.0));
    ExpectBasisNear(AxisRotation(axis, 1.1), util::ToMatrix(util::FromRotationVector(axis * 1.1)));
    EXPECT_EQ(About({0, 0, 1}, 40).m[3][3], 1.0);
}

TEST(GyroMath, YawOnlyKeepsJustTheYawOfAPitchedAndRolledScaledFrame) {
    // Rolled first, then pitched, then yawed by 35°, scaled and moved.
    Matrix<double> local = About({0, 0, 1}, 25) * About({1, 0, 0}, -40) * About({0, 1, 0}, 35);
    for (int c = 0; c < 3; ++c) local.m[1][c] *= 3.0;
    local = WithTranslation(local, {4, 5, 6});

    const Matrix<double> kept = RestrictRotation(local, GyroAxis::kYaw);
    ExpectBasisNear(kept, About({0, 1, 0}, 35));
    EXPECT_EQ(kept.m[1][0], 0.0);
    EXPECT_EQ(kept.m[1][1], 1.0);
    EXPECT_EQ(kept.m[1][2], 0.0);
    EXPECT_EQ(kept.m[3][0], 4.0);
    EXPECT_EQ(kept.m[3][2], 6.0);
}

TEST(GyroMath, PitchAndRollOnlyReadTheirOwnAngleWithTheRightSign) {
    ExpectBasisNear(RestrictRotation(About({0, 1, 0}, 50) * About({1, 0, 0}, 20), GyroAxis::kPitch),
                    About({1, 0, 0}, 20));
    ExpectBasisNear(RestrictRotation(About({0, 1, 0}, 50) * About({0, 0, 1}, -70), GyroAxis::kRoll),
                    About({0, 0, 1}, -70));
    const Matrix<double> any = About({1, 1, 0}, 10);
    EXPECT_EQ(RestrictRotation(any, GyroAxis::kNone), any);
}

TEST(GyroMath, TheFirstSetFlagInTheOrderYXZDecides) {
    EXPECT_EQ(RestrictionAxis(true, true, true), GyroAxis::kYaw);
    EXPECT_EQ(RestrictionAxis(true, false, true), GyroAxis::kPitch);
    EXPECT_EQ(RestrictionAxis(false, false, true), GyroAxis::kRoll);
    EXPECT_EQ(RestrictionAxis(false, false, false), GyroAxis::kNone);
}

TEST(GyroMath, ClonedPositionZeroesTheFlaggedCoordinatesInTheEyesFrame) {
    const bool cloneX[3] = {true, false, false};
    const bool none[3] = {false, false, false};
    EXPECT_EQ(ClonedPosition({5, 6, 7}, Matrix<double>(), cloneX), (V{0, 6, 7}));
    // The eye turned 90° about Y has its x axis along world −z: the pivot's offset along it goes.
    Matrix<double> eye = WithTranslation(About({0, 1, 0}, 90), {1, 2, 3});
    const V p = ClonedPosition({5, 6, 7}, eye, cloneX);
    EXPECT_NEAR(p.x, 5.0, 1e-12);
    EXPECT_NEAR(p.y, 6.0, 1e-12);
    EXPECT_NEAR(p.z, 3.0, 1e-12);
    // The eye's scale does not change the projection.
    for (int c = 0; c < 3; ++c) eye.m[0][c] *= 2.0;
    EXPECT_NEAR(ClonedPosition({5, 6, 7}, eye, cloneX).z, 3.0, 1e-12);
    EXPECT_EQ(ClonedPosition({5, 6, 7}, eye, none), (V{5, 6, 7}));
    Matrix<double> flat;
    flat.m[2][2] = 0.0;
    EXPECT_EQ(ClonedPosition({5, 6, 7}, flat, cloneX), (V{5, 6, 7}));
}

TEST(GyroMath, WorldMatrixTakesPositionAndScaleFromThePivotAndRotationFromGyroOrEye) {
    Matrix<double> pivot = About({0, 0, 1}, 45);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) pivot.m[r][c] *= r + 2.0;
    pivot = WithTranslation(pivot, {1, 2, 3});
    const Matrix<double> gyro = WithTranslation(About({0, 1, 0}, 30), {9, 9, 9});
    Matrix<double> eye = About({1, 0, 0}, 20);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) eye.m[r][c] *= r + 5.0;
    eye = WithTranslation(eye, {-4, 0, 0});

    GyroSettings settings;
    Matrix<double> g = GyroWorldMatrix(pivot, gyro, eye, settings);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(g.m[r][c], gyro.m[r][c] * (r + 2.0), 1e-12);
    EXPECT_EQ(g.m[3][0], 1.0);
    EXPECT_EQ(g.m[3][2], 3.0);

    settings.enableGyro = true;
    settings.cloneScale[1] = true;
    g = GyroWorldMatrix(pivot, gyro, eye, settings);
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(g.m[0][c], eye.m[0][c] * 2.0 / 5.0, 1e-12);
        EXPECT_NEAR(g.m[1][c], eye.m[1][c], 1e-12) << "the eye's own length on the cloned axis";
        EXPECT_NEAR(g.m[2][c], eye.m[2][c] * 4.0 / 7.0, 1e-12);
    }
    EXPECT_EQ(g.m[3][1], 2.0);
}

} // namespace
} // namespace vex::orb::addon
