#include "plugins/directinputlink/LinkChannel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vex::orb::addon {
namespace {

constexpr double kFrame = 0.04;

// The processed values of a channel fed `inputs`, one per frame.
std::vector<double> Processed(const LinkChannelSettings& settings, const std::vector<double>& inputs) {
    LinkChannelState state;
    std::vector<double> out;
    for (double input : inputs) {
        state.input = input;
        StepLinkChannel(state, settings, kFrame);
        out.push_back(state.processed);
    }
    return out;
}

TEST(LinkChannel, ATrinaryTapLatchesItsDirectionAndTheNextTapReleases) {
    LinkChannelSettings settings{.changeLimit = 0.0, .keepTrinaryState = true};
    // Press, hold, release, press the other way (releases), release, press back (latches backwards).
    EXPECT_EQ(Processed(settings, {1, 1, 0, 0, -1, 0, -1, 0}),
              (std::vector<double>{1, 1, 1, 1, 0, 0, -1, -1}));
    // An analog input triggers only beyond half-way.
    EXPECT_EQ(Processed(settings, {0.4, 0.0, 0.6, 0.3}), (std::vector<double>{0, 0, 1, 1}));
    // With integration a tap gives a constant motion until the next tap.
    settings.integrate = true;
    const std::vector<double> cruise = Processed(settings, {1, 0, 0, 0, 1, 0});
    EXPECT_NEAR(cruise[3], 4 * kFrame, 1e-15);
    EXPECT_EQ(cruise[4], cruise[3]);
    EXPECT_EQ(cruise[5], cruise[3]);
}

TEST(LinkChannel, TheChangeLimitBoundsEveryStepAndZeroLetsChangesThrough) {
    LinkChannelSettings settings{.changeLimit = 20.0};
    const std::vector<double> limited = Processed(settings, {5, 5, 5, 5, 5, 5, 5, -5});
    EXPECT_NEAR(limited[0], 0.8, 1e-15);
    double previous = 0.0;
    for (double value : limited) {
        EXPECT_LE(std::abs(value - previous), 0.8 + 1e-12);
        previous = value;
    }
    EXPECT_EQ(limited[6], 5.0) << "arrived";
    EXPECT_NEAR(limited[7], 4.2, 1e-12);
    settings.changeLimit = 0.0;
    EXPECT_EQ(Processed(settings, {5, -5}), (std::vector<double>{5, -5}));
}

TEST(LinkChannel, IntegrationGrowsWhileHeldAndHoldsWhenReleased) {
    const LinkChannelSettings settings{.changeLimit = 0.0, .integrate = true};
    const std::vector<double> p = Processed(settings, {0.5, 0.5, 0.5, 0.0, 0.0, -1.0});
    EXPECT_LT(p[0], p[1]);
    EXPECT_LT(p[1], p[2]);
    EXPECT_NEAR(p[2], 3 * 0.5 * kFrame, 1e-15);
    EXPECT_EQ(p[3], p[2]);
    EXPECT_EQ(p[4], p[2]);
    EXPECT_NEAR(p[5], p[2] - kFrame, 1e-15);
}

TEST(LinkChannel, FactorsOfZeroAndOneFollowAtOnceAndOthersLag) {
    for (double factor : {0.0, 1.0}) {
        LinkChannelState state;
        state.input = 0.7;
        const LinkChannelSettings settings{.responseFactor = factor, .maximum = 2.0, .changeLimit = 0.0};
        EXPECT_EQ(StepLinkChannel(state, settings, kFrame), 1.4) << factor;
        EXPECT_EQ(state.filter.first, 1.4);
    }
    LinkChannelState state;
    state.input = 1.0;
    const LinkChannelSettings settings{.responseFactor = 0.2, .maximum = -3.0, .changeLimit = 0.0};
    const double first = StepLinkChannel(state, settings, kFrame);
    EXPECT_LT(first, 0.0);
    EXPECT_GT(first, state.filter.first) << "the second stage lags the first";
    for (int i = 0; i < 500; ++i) StepLinkChannel(state, settings, kFrame);
    EXPECT_NEAR(state.filter.second, -3.0, 1e-9);
    // Back to 0 the channel decays to a stop, with nothing else pulling it.
    state.input = 0.0;
    for (int i = 0; i < 500; ++i) StepLinkChannel(state, settings, kFrame);
    EXPECT_NEAR(state.filter.second, 0.0, 1e-9);
}

} // namespace
} // namespace vex::orb::addon
