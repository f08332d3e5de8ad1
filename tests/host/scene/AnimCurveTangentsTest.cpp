#include "host/scene/AnimCurveData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vex::host {
namespace {

using Key = AnimCurveData::Key;
using Infinity = AnimCurveData::Infinity;

// Keys at 0, 1 and 3 seconds with values 0, 2 and 1, all of the given tangent type.
AnimCurveData ThreeKeys(AnimCurveData::Tangent type) {
    AnimCurveData curve;
    for (const auto& [t, v] : {std::pair{0.0, 0.0}, {1.0, 2.0}, {3.0, 1.0}}) curve.SetKey({t, v, type, type});
    return curve;
}

TEST(AnimCurveTangents, FixedTangentsGiveTheHermiteSegmentOfTheirSlopes) {
    AnimCurveData curve;
    curve.SetKey({0.0, 0.0});
    curve.SetKey({2.0, 0.0});
    curve.SetFixedTangent(0, false, {1.0, 3.0}); // slope 3 leaving the first key
    curve.SetFixedTangent(1, true, {0.5, -0.5}); // slope -1 entering the second
    // Hermite on [0, 2] with m0 = 3 * 2, m1 = -1 * 2 at s = 0.25: h10 * m0 + h11 * m1.
    const double s = 0.25;
    const double expected = (s * s * s - 2 * s * s + s) * 6.0 + (s * s * s - s * s) * -2.0;
    EXPECT_NEAR(curve.evaluate(0.5), expected, 1e-12);
    EXPECT_EQ(curve.KeyAt(0).out, AnimCurveData::kFixed);
    EXPECT_EQ(curve.evaluate(2.0), 0.0);
}

TEST(AnimCurveTangents, MakingATangentFixedKeepsTheCurveAsItWas) {
    for (const auto type :
         {AnimCurveData::kSmooth, AnimCurveData::kClamped, AnimCurveData::kLinear, AnimCurveData::kFlat}) {
        const AnimCurveData before = ThreeKeys(type);
        AnimCurveData fixed = before;
        for (std::size_t i = 0; i < fixed.size(); ++i)
            fixed.SetTangents(i, AnimCurveData::kFixed, AnimCurveData::kFixed);
        for (double t = 0.1; t < 3.0; t += 0.1)
            EXPECT_NEAR(fixed.evaluate(t), before.evaluate(t), 1e-12) << type << " at " << t;
    }
}

TEST(AnimCurveTangents, WeightedCurvesMatchHermiteUntilAWeightChanges) {
    const AnimCurveData plain = ThreeKeys(AnimCurveData::kSmooth);
    AnimCurveData weighted = plain;
    weighted.SetWeighted(true);
    // Unchanged tangents are a third of the segment long: the Bezier segment is the Hermite one.
    for (double t = 0.05; t < 3.0; t += 0.1) EXPECT_NEAR(weighted.evaluate(t), plain.evaluate(t), 1e-9) << t;

    // A longer out weight on the first key reshapes the segment, which still leaves along the tangent.
    const auto tangent = weighted.TangentVector(0, false);
    AnimCurveData heavy = weighted;
    heavy.SetFixedTangent(0, false, {tangent.x * 2.5, tangent.y * 2.5});
    EXPECT_GT(std::abs(heavy.evaluate(0.3) - weighted.evaluate(0.3)), 0.05);
    EXPECT_NEAR(heavy.evaluate(1e-5) / 1e-5, tangent.y / tangent.x, 1e-2);
    // A non-weighted curve reads only the direction, so the same change does nothing there.
    AnimCurveData unweighted = heavy;
    unweighted.SetWeighted(false);
    EXPECT_NEAR(unweighted.evaluate(0.3), plain.evaluate(0.3), 1e-12);
    // Keys stay exact and the weighted curve has one value for every time, without jumps.
    EXPECT_EQ(heavy.evaluate(1.0), 2.0);
    double previous = heavy.evaluate(0.0);
    for (double t = 0.001; t <= 1.0; t += 0.001) {
        const double value = heavy.evaluate(t);
        EXPECT_LT(std::abs(value - previous), 0.05) << t;
        previous = value;
    }
}

TEST(AnimCurveTangents, LockedTangentsTurnTogetherAndLockedWeightsKeepTheirLength) {
    AnimCurveData curve = ThreeKeys(AnimCurveData::kLinear);
    curve.SetTangentVector(1, true, {1.0, 1.0});
    EXPECT_EQ(curve.KeyAt(1).out, AnimCurveData::kFixed) << "locked: the out tangent follows";
    const auto out = curve.TangentVector(1, false);
    EXPECT_NEAR(out.y / out.x, 1.0, 1e-12);

    Key key = curve.KeyAt(2);
    key.tangentsLocked = false;
    curve.SetKey(key);
    curve.SetTangentVector(2, true, {1.0, -4.0});
    EXPECT_EQ(curve.KeyAt(2).out, AnimCurveData::kLinear) << "unlocked: the out tangent stays";

    curve.SetWeighted(true);
    const auto before = curve.TangentVector(1, true);
    curve.SetTangentVector(1, true, {3.0, 0.0});
    const auto after = curve.TangentVector(1, true);
    EXPECT_NEAR(std::hypot(after.x, after.y), std::hypot(before.x, before.y), 1e-12);
    EXPECT_NEAR(after.y, 0.0, 1e-12);
}

TEST(AnimCurveTangents, InfinityModesExtendTheCurveOutsideItsKeys) {
    AnimCurveData curve = ThreeKeys(AnimCurveData::kLinear); // range 0..3, values 0 -> 1
    EXPECT_EQ(curve.evaluate(-5.0), 0.0);
    EXPECT_EQ(curve.evaluate(9.0), 1.0);

    curve.SetPreInfinity(Infinity::kLinear);
    curve.SetPostInfinity(Infinity::kLinear);
    EXPECT_DOUBLE_EQ(curve.evaluate(-1.0), -2.0); // first segment's slope 2
    EXPECT_DOUBLE_EQ(curve.evaluate(5.0), 0.0);   // last segment's slope -0.5

    curve.SetPreInfinity(Infinity::kCycle);
    curve.SetPostInfinity(Infinity::kCycle);
    for (double t : {0.25, 1.5, 2.75}) {
        EXPECT_NEAR(curve.evaluate(t + 3.0), curve.evaluate(t), 1e-12);
        EXPECT_NEAR(curve.evaluate(t - 6.0), curve.evaluate(t), 1e-12);
    }

    curve.SetPostInfinity(Infinity::kCycleRelative);
    curve.SetPreInfinity(Infinity::kCycleRelative);
    EXPECT_NEAR(curve.evaluate(4.0), curve.evaluate(1.0) + 1.0, 1e-12);
    EXPECT_NEAR(curve.evaluate(-2.0), curve.evaluate(1.0) - 1.0, 1e-12);

    curve.SetPostInfinity(Infinity::kOscillate);
    curve.SetPreInfinity(Infinity::kOscillate);
    EXPECT_NEAR(curve.evaluate(3.5), curve.evaluate(2.5), 1e-12) << "the second range runs backwards";
    EXPECT_NEAR(curve.evaluate(6.5), curve.evaluate(0.5), 1e-12) << "the third forwards again";
    EXPECT_NEAR(curve.evaluate(-0.5), curve.evaluate(0.5), 1e-12);

    AnimCurveData single;
    single.SetKey({1.0, 4.0});
    single.SetPostInfinity(Infinity::kCycle);
    EXPECT_EQ(single.evaluate(7.0), 4.0) << "one key has no range to repeat";
}

} // namespace
} // namespace vex::host
