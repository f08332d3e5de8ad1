#include "plugins/spherecam/SphereOrbit.h"

#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;

V Row(const util::Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

// Over many places on the sphere, rolled or not, the camera is at the radius, looks along −z at the
// centre and its axes are a right-handed orthonormal frame.
TEST(SphereOrbit, TheCameraIsOnTheSphereAndLooksAtItsCentre) {
    for (double longitude = -180.0; longitude < 180.0; longitude += 37.0) {
        for (double latitude = -89.0; latitude <= 89.0; latitude += 22.25) {
            for (double roll : {0.0, 25.0, -140.0}) {
                const SpherePosition place{longitude, latitude, 3.5, roll};
                const util::Matrix<double> m = OrbitMatrix(place);
                const V x = Row(m, 0), y = Row(m, 1), z = Row(m, 2), p = Row(m, 3);
                EXPECT_NEAR(util::Length(p), 3.5, 1e-12);
                EXPECT_NEAR(util::Dot(-z, -p / 3.5), 1.0, 1e-12) << "looks at the centre";
                EXPECT_NEAR(util::Length(x), 1.0, 1e-12);
                EXPECT_NEAR(util::Length(y), 1.0, 1e-12);
                EXPECT_NEAR(util::Dot(x, y), 0.0, 1e-12);
                EXPECT_NEAR(util::Length(util::Cross(x, y) - z), 0.0, 1e-12) << "right-handed";
            }
        }
    }
}

TEST(SphereOrbit, LongitudeLatitudeAndRollMeanWhatTheirNamesSay) {
    // At 0/0 the camera is on +z; a quarter turn of longitude takes it to its right, +x.
    EXPECT_NEAR(Row(OrbitMatrix({0.0, 0.0, 2.0, 0.0}), 3).z, 2.0, 1e-15);
    const util::Matrix<double> right = OrbitMatrix({90.0, 0.0, 2.0, 0.0});
    EXPECT_NEAR(Row(right, 3).x, 2.0, 1e-12);
    EXPECT_NEAR(Row(right, 3).z, 0.0, 1e-12);
    // Positive latitude raises it, and its up axis stays on the target's side of the vertical.
    const util::Matrix<double> high = OrbitMatrix({0.0, 60.0, 2.0, 0.0});
    EXPECT_NEAR(Row(high, 3).y, 2.0 * std::sin(60.0 * std::numbers::pi / 180.0), 1e-12);
    EXPECT_GT(Row(high, 1).y, 0.0);
    EXPECT_LT(Row(high, 1).z, 0.0);
    // A positive roll lowers the camera's right side.
    const util::Matrix<double> rolled = OrbitMatrix({0.0, 0.0, 2.0, 30.0});
    EXPECT_NEAR(Row(rolled, 0).y, -0.5, 1e-12);
    EXPECT_NEAR(Row(rolled, 3).z, 2.0, 1e-12) << "the roll does not move the camera";
}

TEST(SphereOrbit, StepsIntegrateTheFilteredRatesWithinTheLimits) {
    SphereSettings settings;
    settings.responseFactors = {1.0, 1.0, 1.0, 1.0};
    settings.maxima = {90.0, 30.0, 0.5, 10.0};
    SphereState state{{170.0, 0.0, 2.0, 0.0}, {}};
    // A response factor of 1 follows at once: a second of frames moves by the full rates.
    for (int f = 0; f < 25; ++f) StepSphere(state, {1.0, 1.0, 1.0, -1.0}, settings, 0.04);
    EXPECT_NEAR(state.position.longitude, -100.0, 1e-9) << "170 + 90 wraps to -100";
    EXPECT_NEAR(state.position.latitude, 30.0, 1e-9);
    EXPECT_NEAR(state.position.radius, 2.0 * std::exp(0.5), 1e-9) << "radius grows by e per unit rate";
    EXPECT_NEAR(state.position.roll, -10.0, 1e-9);

    // Held on, the latitude stops at the limit and the radius at the minimum.
    settings.latitudeLimit = 45.0;
    settings.minimumRadius = 0.5;
    for (int f = 0; f < 200; ++f) StepSphere(state, {0.0, 1.0, -1.0, 0.0}, settings, 0.04);
    EXPECT_EQ(state.position.latitude, 45.0);
    EXPECT_EQ(state.position.radius, 0.5);
    for (int f = 0; f < 400; ++f) StepSphere(state, {0.0, -1.0, 0.0, 0.0}, settings, 0.04);
    EXPECT_EQ(state.position.latitude, -45.0);
}

TEST(SphereOrbit, ASmallerResponseFactorPicksUpTheRateMoreSlowly) {
    const auto longitudeAfter = [](double factor, int frames) {
        SphereSettings settings;
        settings.responseFactors = {factor, factor, factor, factor};
        SphereState state;
        for (int f = 0; f < frames; ++f) StepSphere(state, {1.0, 0.0, 0.0, 0.0}, settings, 0.04);
        return state.position.longitude;
    };
    EXPECT_LT(longitudeAfter(0.1, 5), longitudeAfter(0.3, 5));
    EXPECT_LT(longitudeAfter(0.3, 5), longitudeAfter(1.0, 5));
    EXPECT_NEAR(longitudeAfter(1.0, 5), 5 * 0.04 * 60.0, 1e-12);
}

TEST(SphereOrbit, TheFrameFollowsTheTargetsRotationOnlyInGyroMode) {
    util::Matrix<double> target = util::EulerXYZToMatrix(V{0.0, std::numbers::pi / 2.0, 0.0});
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 3; ++i) target.m[row][i] *= 3.0; // a scaled target
    target.m[3][0] = 1.0;
    target.m[3][1] = 2.0;
    target.m[3][2] = 3.0;
    const SpherePosition place{0.0, 0.0, 4.0, 0.0};

    const util::Matrix<double> level = OrbitMatrix(place) * SphereFrame(target, false);
    EXPECT_NEAR(Row(level, 3).x, 1.0, 1e-12);
    EXPECT_NEAR(Row(level, 3).z, 7.0, 1e-12);
    EXPECT_NEAR(Row(level, 2).z, 1.0, 1e-12) << "world-aligned";

    // The target's own +z (its z row) is where the camera goes now, at the radius in world units.
    const util::Matrix<double> turned = OrbitMatrix(place) * SphereFrame(target, true);
    const V along = Row(target, 2) / 3.0;
    EXPECT_NEAR(util::Length(Row(turned, 3) - (V{1.0, 2.0, 3.0} + along * 4.0)), 0.0, 1e-12);
    EXPECT_NEAR(util::Length(Row(turned, 2)), 1.0, 1e-12);
}

} // namespace
} // namespace vex::orb::addon
