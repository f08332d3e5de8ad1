#include "plugins/ruzovuzediziviz/MotionFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;

constexpr double kTight = 1e-12;

// Runs the position spring from rest at 0 toward a unit step for `steps` frames of 1/24 s and answers
// the largest x reached.
double PeakOfStep(const SpringSettings& settings, int steps) {
    V p, v;
    double peak = 0.0;
    for (int i = 0; i < steps; ++i) {
        FilterTranslation(p, v, {1, 0, 0}, settings, 1.0 / 24.0);
        peak = std::max(peak, p.x);
    }
    return peak;
}

TEST(RuzovuZediziVizFilter, TranslationStepsFollowTheSpringByHand) {
    // From rest toward (1, 0, 0), k 30, c 5, h 0.04: the position moves by the old velocity first.
    V p, v;
    FilterTranslation(p, v, {1, 0, 0}, {30, 5, 0}, 0.04);
    EXPECT_EQ(p.x, 0.0);
    EXPECT_NEAR(v.x, 1.2, kTight);
    FilterTranslation(p, v, {1, 0, 0}, {30, 5, 0}, 0.04);
    EXPECT_NEAR(p.x, 0.048, kTight);
    EXPECT_NEAR(v.x, 1.2 + 0.04 * (30 * 0.952 - 5 * 1.2), kTight);
    EXPECT_EQ(p.y, 0.0);
    EXPECT_EQ(v.z, 0.0);

    // A positive limit caps the speed; response 0 snaps to the target whatever the other settings.
    V limited;
    V q;
    FilterTranslation(q, limited, {3, 4, 0}, {30, 5, 0.5}, 0.04);
    EXPECT_NEAR(util::Length(limited), 0.5, kTight);
    EXPECT_NEAR(limited.x / limited.y, 0.75, kTight);
    V snapped{7, 7, 7}, kept{1, 2, 3};
    FilterTranslation(snapped, kept, {1, 2, 3}, {0, 5, 0.1}, 0.04);
    EXPECT_EQ(snapped, (V{1, 2, 3}));
    EXPECT_EQ(kept, (V{1, 2, 3}));
}

TEST(RuzovuZediziVizFilter, StiffSettingsSettleWithoutOvershootSoftOnesBounce) {
    // A steady input at rest stays exactly where it is.
    V p{2, -1, 5}, v;
    for (int i = 0; i < 50; ++i) FilterTranslation(p, v, {2, -1, 5}, {30, 5, 0}, 1.0 / 24.0);
    EXPECT_EQ(p, (V{2, -1, 5}));
    EXPECT_EQ(v, V{});

    // Critical damping (c = 2·sqrt(k)) reaches the step without passing it; the "Bouncy" settings
    // swing well past it; a tiny speed limit makes the follower lag by a growing distance.
    EXPECT_LE(PeakOfStep({25, 10, 0}, 200), 1.0);
    EXPECT_GT(PeakOfStep({25, 10, 0}, 200), 0.999);
    EXPECT_GT(PeakOfStep({20, 1.5, 0}, 200), 1.3);
    EXPECT_NEAR(PeakOfStep({30, 5, 0.1}, 24), 0.1 * 23.0 / 24.0, 1e-9);
}

TEST(RuzovuZediziVizFilter, RotationStepMatchesTheBodyFrameSpring) {
    // From 90° about X toward 60° about Y, at rest, k 30, c 5, h 0.04 (ten sub-steps); values from
    // the integration, error and damping formulas evaluated step by step.
    const double r2 = std::sqrt(0.5);
    Q q{r2, 0, 0, r2};
    V w;
    const Q target{0, 0.5, 0, std::sqrt(0.75)};
    FilterRotation(q, w, target, {30, 5, 0}, 0.04);
    EXPECT_NEAR(q.x, 0.6967897865399937, 1e-12);
    EXPECT_NEAR(q.y, 0.011771599052612942, 1e-12);
    EXPECT_NEAR(q.z, 0.0, 1e-12);
    EXPECT_NEAR(q.w, 0.7171787941854489, 1e-12);
    EXPECT_NEAR(w.x, -1.5378976528519681, 1e-12);
    EXPECT_NEAR(w.y, 0.8879056238601774, 1e-12);
    EXPECT_NEAR(w.z, -0.8879056238601772, 1e-12);

    // With a limit of 0.5 rad/s every sub-step ends at that speed.
    Q slow{r2, 0, 0, r2};
    V ws;
    FilterRotation(slow, ws, target, {30, 5, 0.5}, 0.04);
    EXPECT_NEAR(util::Length(ws), 0.5, 1e-12);
    EXPECT_NEAR(slow.x, 0.7025342001339834, 1e-12);
    EXPECT_NEAR(slow.y, 0.005251811047658612, 1e-12);
}

TEST(RuzovuZediziVizFilter, RotationTakesTheShorterWayAndResponseZeroSnaps) {
    // 90° about Z written with a negative w is the same rotation: both forms give the same motion.
    const double r2 = std::sqrt(0.5);
    Q a, b;
    V wa, wb;
    for (int i = 0; i < 5; ++i) {
        FilterRotation(a, wa, {0, 0, r2, r2}, {30, 5, 0}, 0.04);
        FilterRotation(b, wb, {0, 0, -r2, -r2}, {30, 5, 0}, 0.04);
    }
    EXPECT_GT(wa.z, 0.0);
    EXPECT_NEAR(wa.z, wb.z, 1e-12);
    EXPECT_NEAR(a.z, b.z, 1e-12);
    // After a second the follower sits close to the target.
    for (int i = 0; i < 25; ++i) FilterRotation(a, wa, {0, 0, r2, r2}, {30, 5, 0}, 0.04);
    EXPECT_NEAR(std::abs(a.z), r2, 0.05);

    Q snapped{1, 0, 0, 0};
    V w{1, 2, 3};
    FilterRotation(snapped, w, {0, 0, r2, r2}, {0, 5, 0}, 0.04);
    EXPECT_EQ(snapped, (Q{0, 0, r2, r2}));
    EXPECT_EQ(w, (V{1, 2, 3}));
}

} // namespace
} // namespace vex::orb::addon
