#include "util/MathOps.h"

#include "tests/util/MathExpect.h"

#include <algorithm>
#include <cstring>

namespace vex::util::test {
namespace {

Q AxisAngle(const V& axis, double angle) {
    return FromRotationVector(axis * angle);
}

double AngleBetween(const Q& a, const Q& b) {
    return 2.0 * std::acos(std::min(1.0, std::abs(Dot(a, b))));
}

TEST(MathVector, CrossNormalizeClamp) {
    EXPECT_EQ(Cross(V{1, 0, 0}, V{0, 1, 0}), (V{0, 0, 1}));
    EXPECT_EQ(Cross(V{1, 2, 3}, V{4, 5, 6}), (V{-3, 6, -3}));

    V v{3, 0, 4}, zero;
    Normalize(v);
    Normalize(zero);
    ExpectNear(v, {0.6, 0, 0.8});
    EXPECT_EQ(zero, (V{0, 1, 0}));

    V longer{3, 4, 0}, atLimit{3, 4, 0};
    ClampLength(longer, 2.5);
    ClampLength(atLimit, 5.0);
    ExpectNear(longer, {1.5, 2, 0});
    EXPECT_EQ(atLimit, (V{3, 4, 0}));
}

TEST(MathQuat, NormalizeInPlaceAndCopyDifferOnZero) {
    Q zero{0, 0, 0, 0};
    EXPECT_EQ(Normalized(zero), (Q{0, 0, 0, 0}));
    Normalize(zero);
    EXPECT_EQ(zero, Q());
    ExpectNear(Normalized(Q{0, 0, 3, -4}), {0, 0, 0.6, -0.8});
}

TEST(MathQuat, MultiplyAppliesFirstArgumentFirst) {
    const Q q = Normalized(Q{0.1, -0.7, 0.3, 0.6});
    EXPECT_EQ(Multiply(Q(), q), q);
    EXPECT_EQ(Multiply(q, Q()), q);
    ExpectNear(Multiply(Q{1, 2, 3, 4}, Q{5, 6, 7, 8}), {32, 32, 56, -6}); // b·a

    // Right-handed; about X then about Z takes Y to Z, the other order takes Y to -X.
    const Q aboutX = AxisAngle({1, 0, 0}, kPi / 2), aboutZ = AxisAngle({0, 0, 1}, kPi / 2);
    ExpectNear(Rotate(aboutZ, V{1, 0, 0}), {0, 1, 0});
    ExpectNear(Rotate(Multiply(aboutX, aboutZ), V{0, 1, 0}), {0, 0, 1});
    ExpectNear(Rotate(Multiply(aboutZ, aboutX), V{0, 1, 0}), {-1, 0, 0});
}

TEST(MathRotationVector, RoundTripShorterArcAndDegenerates) {
    for (const V& v : {V{0.3, -0.2, 0.1}, V{0, 0, 3.0}, V{-1.2, 0.8, 1.5}}) {
        ExpectNear(ToRotationVector(FromRotationVector(v)), v);
    }
    ExpectNear(FromRotationVector(V{0, kPi / 2, 0}), {0, std::sqrt(0.5), 0, std::sqrt(0.5)});
    EXPECT_EQ(FromRotationVector(V{}), Q());
    ExpectNear(ToRotationVector(AxisAngle({1, 0, 0}, 1.5 * kPi)), {-kPi / 2, 0, 0});

    EXPECT_EQ(ToRotationVector(Q{0, 0, 0, -1}), V());
    EXPECT_EQ(ToRotationVector(Q{1e-9, 0, 0, std::nextafter(1.0, 2.0)}), V()); // no NaN
}

TEST(MathSlerp, StepsAlongArcAndGuardsDegenerates) {
    const Q target = AxisAngle({0, 1, 0}, kPi / 2);
    Q q;
    SlerpStep(q, target, 0.5, 1.0);
    ExpectNear(q, AxisAngle({0, 1, 0}, kPi / 4));
    SlerpStep(q, target, 2.0, 0.5);
    ExpectNear(q, target);

    Q same = target;
    SlerpStep(same, target, 0.5, 0.5);
    EXPECT_EQ(same, target);
    Q nearlySame; // the dot product rounds above 1
    SlerpStep(nearlySame, Q{0, 0, 0, 1 + 4e-16}, 0.5, 0.5);
    EXPECT_EQ(nearlySame, Q());
}

TEST(MathLimitRotation, UntouchedInsideClampedOutside) {
    const Q target = AxisAngle({1, 0, 0}, kPi / 2);
    // On the negative hemisphere on purpose: inside the limit q must not even be flipped.
    const Q inside = -Multiply(AxisAngle({0, 1, 0}, 0.2), target);
    Q q = inside;
    LimitRotation(q, target, 0.25);
    EXPECT_EQ(std::memcmp(&q, &inside, sizeof q), 0);

    const Q outside = -Multiply(AxisAngle({0.48, 0.6, 0.64}, 1.2), target);
    q = outside;
    LimitRotation(q, target, 0.4);
    EXPECT_GE(q.w, 0.0);
    EXPECT_NEAR(Dot(q, q), 1.0, kTol);
    EXPECT_NEAR(AngleBetween(q, target), 0.4, 1e-9);
    EXPECT_NEAR(AngleBetween(q, outside), 0.8, 1e-9); // on the arc between them
}

TEST(MathFollow, SmoothSubSteps) {
    double v = 0;
    Smooth(v, 1.0, 0.5, 0.04); // two half-frame steps of 0.25
    EXPECT_DOUBLE_EQ(v, 0.4375);
    v = 0.3;
    Smooth(v, 1.0, 0.5, 0.0);
    EXPECT_EQ(v, 0.3);
    for (double factor : {0.0, 1.0}) {
        double jumped = 0;
        Smooth(jumped, 1.0, factor, 0.0);
        EXPECT_EQ(jumped, 1.0);
    }
    V p;
    Smooth(p, V{2, 4, -8}, 0.5, 0.04);
    ExpectNear(p, {0.875, 1.75, -3.5});
}

TEST(MathFollow, ApproachStepsOrJumps) {
    const auto approach = [](double factor) {
        double v = 0;
        Approach(v, 1.0, factor, 0.04);
        return v;
    };
    EXPECT_DOUBLE_EQ(approach(1.0), 0.75); // g = 0.5 twice: unlike Smooth, no jump
    EXPECT_DOUBLE_EQ(approach(0.6), 0.51);
    EXPECT_EQ(approach(2.5), 1.0); // g = 1.25
    EXPECT_EQ(approach(0.0), 1.0);

    // maxRate 0 is plain Approach, jumps included.
    for (double factor : {0.6, 2.5, 0.0}) {
        double v = 0;
        ApproachLimited(v, 1.0, factor, 0.0, 0.04);
        EXPECT_EQ(v, approach(factor)) << factor;
    }
}

TEST(MathFollow, ApproachLimitedBoundsTheRate) {
    const auto limited = [](double target, double factor) {
        double v = 0;
        ApproachLimited(v, target, factor, 1.0, 0.04);
        return v;
    };
    EXPECT_DOUBLE_EQ(limited(10.0, 1.0), 0.03); // target pulled to 0.04
    EXPECT_DOUBLE_EQ(limited(-10.0, 1.0), -0.03);
    EXPECT_DOUBLE_EQ(limited(0.02, 1.0), 0.015); // within reach
    EXPECT_EQ(limited(10.0, 2.5), 0.0);          // no jumps
    EXPECT_EQ(limited(10.0, 0.0), 0.0);
}

TEST(MathFollow, ApproachRotationTakesNearerHemisphere) {
    // 170 and -170 degrees about Z: both w > 0, but q lies near -target.
    const double c = std::cos(85 * kPi / 180), s = std::sin(85 * kPi / 180);
    Q q{0, 0, s, c};
    ApproachRotation(q, Q{0, 0, -s, c}, 1.0, 0.04);
    ExpectNear(q, Normalized(Q{0, 0, -s, 0.5 * c}));

    const Q target = -AxisAngle({0, 1, 0}, 0.7);
    q = AxisAngle({1, 0, 0}, 0.3);
    ApproachRotation(q, target, 2.5, 0.04);
    ExpectNear(q, -target);

    Q zero{0, 0, 0, 0};
    ApproachRotation(zero, Q{0, 0, 0, 0}, 0.5, 0.04);
    EXPECT_EQ(zero, Q());
}

} // namespace
} // namespace vex::util::test
