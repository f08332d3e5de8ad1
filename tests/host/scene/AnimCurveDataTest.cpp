#include "host/scene/AnimCurveData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vex::host {
namespace {

using Key = AnimCurveData::Key;

AnimCurveData Curve(std::initializer_list<Key> keys) {
    AnimCurveData curve;
    for (const Key& k : keys) curve.SetKey(k);
    return curve;
}

TEST(AnimCurveData, LinearKeysAreExactAtKeysLinearBetweenAndHeldOutside) {
    // Keys given out of order are kept in time order.
    const AnimCurveData curve = Curve({{2.0, 10.0}, {0.5, -4.0}, {1.0, 6.0}});
    ASSERT_EQ(curve.size(), 3u);
    EXPECT_EQ(curve.KeyAt(0).time, 0.5);
    EXPECT_EQ(curve.KeyAt(2).time, 2.0);

    EXPECT_EQ(curve.evaluate(0.5), -4.0);
    EXPECT_EQ(curve.evaluate(1.0), 6.0);
    EXPECT_EQ(curve.evaluate(2.0), 10.0);
    EXPECT_DOUBLE_EQ(curve.evaluate(0.75), 1.0);
    EXPECT_DOUBLE_EQ(curve.evaluate(1.25), 7.0);
    EXPECT_EQ(curve.evaluate(-3.0), -4.0);
    EXPECT_EQ(curve.evaluate(99.0), 10.0);
    EXPECT_EQ(AnimCurveData().evaluate(1.0), 0.0);
}

TEST(AnimCurveData, KeysAtTheSameTimeReplaceAndRemoveByIndexOrTime) {
    AnimCurveData curve = Curve({{0.0, 1.0}, {1.0, 2.0}});
    // A time that differs only by rounding is the same key.
    EXPECT_EQ(curve.SetKey({1.0 + 1e-12, 5.0}), 1u);
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_EQ(curve.evaluate(1.0), 5.0);
    EXPECT_EQ(curve.Find(1.0 - 1e-12), std::optional<std::size_t>(1));
    EXPECT_FALSE(curve.Find(0.5));
    EXPECT_EQ(curve.FindClosest(0.6), 1u);
    EXPECT_EQ(curve.FindClosest(-5.0), 0u);

    const auto removed = curve.RemoveKeyAt(0.0);
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->value, 1.0);
    EXPECT_FALSE(curve.RemoveKeyAt(0.0));
    curve.RemoveKey(7); // past the end: nothing
    EXPECT_EQ(curve.size(), 1u);
    EXPECT_EQ(curve.evaluate(-1.0), 5.0);
}

TEST(AnimCurveData, ReadsInAnyOrderAgreeWithTheKeys) {
    // Reads remember their segment; forwards, backwards and jumping reads must all find the right one.
    AnimCurveData curve;
    for (int i = 0; i < 10; ++i) curve.SetKey({static_cast<double>(i), static_cast<double>(i * i)});
    auto expected = [](double t) {
        const double i = std::floor(t);
        return i * i + (t - i) * ((i + 1) * (i + 1) - i * i);
    };
    std::vector<double> times;
    for (double t = 0.25; t < 9.0; t += 0.5) times.push_back(t);
    for (double t = 8.75; t > 0.0; t -= 0.5) times.push_back(t);
    for (double t : {7.5, 0.5, 3.25, 3.75, 8.5, 1.5, 6.25}) times.push_back(t);
    for (double t : times) EXPECT_DOUBLE_EQ(curve.evaluate(t), expected(t)) << t;
    for (int i = 9; i >= 0; --i) EXPECT_EQ(curve.evaluate(i), i * i);
    // A key inserted before the remembered segment moves the segments after it.
    curve.evaluate(8.5);
    curve.SetKey({-1.0, 5.0});
    EXPECT_DOUBLE_EQ(curve.evaluate(8.5), expected(8.5));
    EXPECT_DOUBLE_EQ(curve.evaluate(-0.5), 2.5);
}

TEST(AnimCurveData, StepAndSmoothTangents) {
    AnimCurveData step = Curve({{0.0, 1.0, AnimCurveData::kStep, AnimCurveData::kStep},
                                {1.0, 3.0, AnimCurveData::kStep, AnimCurveData::kStep}});
    EXPECT_EQ(step.evaluate(0.999), 1.0);
    EXPECT_EQ(step.evaluate(1.0), 3.0);
    step.SetTangents(0, AnimCurveData::kLinear, AnimCurveData::kStepNext);
    EXPECT_EQ(step.evaluate(0.001), 3.0);

    // Flat tangents ease in and out: symmetric about the middle, no overshoot.
    const AnimCurveData flat = Curve({{0.0, 0.0, AnimCurveData::kFlat, AnimCurveData::kFlat},
                                      {1.0, 1.0, AnimCurveData::kFlat, AnimCurveData::kFlat}});
    EXPECT_DOUBLE_EQ(flat.evaluate(0.5), 0.5);
    EXPECT_LT(flat.evaluate(0.1), 0.1);
    EXPECT_GT(flat.evaluate(0.9), 0.9);

    // A clamped (or auto, or default) key at an extreme is flat, so the curve does not pass above it;
    // a smooth one overshoots.
    auto peak = [](AnimCurveData::Tangent type) {
        const AnimCurveData curve =
            Curve({{0.0, 0.0, type, type}, {1.0, 5.0, type, type}, {2.0, 1.0, type, type}});
        double highest = 0.0;
        for (double t = 0.0; t <= 2.0; t += 0.01) highest = std::max(highest, curve.evaluate(t));
        return highest;
    };
    for (auto type : {AnimCurveData::kClamped, AnimCurveData::kAuto, AnimCurveData::kGlobal})
        EXPECT_LE(peak(type), 5.0 + 1e-12) << type;
    EXPECT_GT(peak(AnimCurveData::kSmooth), 5.0);
}

} // namespace
} // namespace vex::host
