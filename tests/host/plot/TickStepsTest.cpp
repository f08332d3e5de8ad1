#include "host/plot/TickSteps.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace vex::host::plot {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The step is 1, 2 or 5 times a power of ten, and the decimals are the ones that power needs.
void ExpectRoundStep(const AxisTicks& ticks) {
    ASSERT_GT(ticks.step, 0.0);
    const double power = std::pow(10.0, std::floor(std::log10(ticks.step) + 1e-9));
    const double mantissa = ticks.step / power;
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                std::abs(mantissa - 5) < 1e-9)
        << "step " << ticks.step;
    EXPECT_EQ(ticks.decimals, std::max(0, -static_cast<int>(std::lround(std::log10(power)))))
        << "step " << ticks.step;
}

// Every whole multiple of the step inside [min, max] is a tick, ascending, and no other value is.
void ExpectMultiplesInside(const AxisTicks& ticks, double min, double max) {
    ASSERT_FALSE(ticks.values.empty()) << min << " to " << max;
    for (size_t i = 0; i < ticks.values.size(); ++i) {
        const double value = ticks.values[i];
        EXPECT_GE(value, min);
        EXPECT_LE(value, max);
        const double multiple = value / ticks.step;
        EXPECT_NEAR(multiple, std::round(multiple), 1e-6) << value << " by " << ticks.step;
        if (i > 0) {
            EXPECT_NEAR(value - ticks.values[i - 1], ticks.step, ticks.step * 1e-6);
        }
    }
    EXPECT_LT(ticks.values.front() - ticks.step, min) << "a multiple below the first tick is still inside";
    EXPECT_GT(ticks.values.back() + ticks.step, max) << "a multiple above the last tick is still inside";
}

TEST(TickSteps, ChoosesRoundStepsForTypicalAxes) {
    struct Case {
        double min, max;
        double step;
        std::vector<double> values;
        int decimals;
    };
    const std::vector<Case> cases = {
        {0.0, 10.0, 2.0, {0, 2, 4, 6, 8, 10}, 0},
        {-0.48, 10.13, 2.0, {0, 2, 4, 6, 8, 10}, 0},
        {-1.69, 1.74, 0.5, {-1.5, -1.0, -0.5, 0.0, 0.5, 1.0, 1.5}, 1},
        {0.0, 1.25, 0.2, {0.0, 0.2, 0.4, 0.6, 0.8, 1.0, 1.2}, 1}, // not 0.25
        {-7.3, -2.1, 1.0, {-7, -6, -5, -4, -3}, 0},
        {1200.0, 3700.0, 500.0, {1500, 2000, 2500, 3000, 3500}, 0},
        {0.0012, 0.0041, 0.0005, {0.0015, 0.002, 0.0025, 0.003, 0.0035, 0.004}, 4},
        {0.0012, 0.0051, 0.001, {0.002, 0.003, 0.004, 0.005}, 3}, // 4 and 8 ticks tie: the larger step
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        const AxisTicks ticks = ChooseTicks(c.min, c.max, 6);
        EXPECT_DOUBLE_EQ(ticks.step, c.step);
        EXPECT_EQ(ticks.decimals, c.decimals);
        ASSERT_EQ(ticks.values.size(), c.values.size());
        // The values are the nearest doubles to the decimal ones, as a label or a CSV would read them.
        for (size_t i = 0; i < c.values.size(); ++i) EXPECT_EQ(ticks.values[i], c.values[i]) << i;
    }
    // Bounds given the other way round give the same ticks.
    EXPECT_EQ(ChooseTicks(10.0, 0.0, 6).values, ChooseTicks(0.0, 10.0, 6).values);
}

TEST(TickSteps, ZeroInsideTheRangeIsAnUnsignedTick) {
    for (const auto& [min, max] : {std::pair{-3.7, 2.2}, {-0.3, 0.0}, {-1e-3, 4e-3}}) {
        const AxisTicks ticks = ChooseTicks(min, max, 6);
        const auto zero = std::find(ticks.values.begin(), ticks.values.end(), 0.0);
        ASSERT_NE(zero, ticks.values.end()) << min << " to " << max;
        EXPECT_FALSE(std::signbit(*zero)) << min << " to " << max;
    }
}

TEST(TickSteps, AnyFiniteRangeGetsBetweenThreeAndNineRoundTicks) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> exponent(-8.0, 8.0), unit(-1.0, 1.0);
    int inFourToEight = 0;
    constexpr int kRanges = 5000;
    for (int i = 0; i < kRanges; ++i) {
        const double centre = unit(random) * std::pow(10.0, exponent(random));
        const double span = std::pow(10.0, exponent(random));
        const double min = centre - span * std::abs(unit(random)), max = min + span;
        SCOPED_TRACE(testing::Message() << min << " to " << max);
        const AxisTicks ticks = ChooseTicks(min, max, 6);
        if (span < std::max(std::abs(min), std::abs(max)) * 1e-9) continue; // thin: see below
        ExpectRoundStep(ticks);
        ExpectMultiplesInside(ticks, min, max);
        EXPECT_GE(ticks.values.size(), 3u);
        EXPECT_LE(ticks.values.size(), 9u);
        if (ticks.values.size() >= 4 && ticks.values.size() <= 8) ++inFourToEight;
        if (HasFailure()) break;
    }
    EXPECT_GT(inFourToEight, kRanges * 8 / 10) << "most axes get 4 to 8 ticks";
}

TEST(TickSteps, TheWishedCountSteersTheStepWithinBounds) {
    EXPECT_EQ(ChooseTicks(0.0, 10.0, 11).values.size(), 11u);
    EXPECT_EQ(ChooseTicks(0.0, 10.0, 3).values.size(), 3u);
    // Wishes outside 2 to 20 are taken as those bounds instead of making no or endless ticks.
    for (int wished : {-5, 0, 1, 21, 1000000}) {
        const AxisTicks ticks = ChooseTicks(0.0, 10.0, wished);
        EXPECT_GE(ticks.values.size(), 1u) << wished;
        EXPECT_LE(ticks.values.size(), 51u) << wished;
        ExpectRoundStep(ticks);
    }
}

TEST(TickSteps, FlatAndThinRangesGiveOneTickAtTheirValue) {
    for (double value : {3.25, -2.0, 0.0, -0.0, 1e-200, 1e300}) {
        const AxisTicks ticks = ChooseTicks(value, value, 6);
        ASSERT_EQ(ticks.values.size(), 1u) << value;
        EXPECT_EQ(ticks.values.front(), value);
        if (value == 0.0) {
            EXPECT_FALSE(std::signbit(ticks.values.front())) << "zero is unsigned";
        }
        EXPECT_EQ(ticks.step, 0.0);
    }
    EXPECT_EQ(TickLabel(ChooseTicks(3.25, 3.25, 6).values.front(), ChooseTicks(3.25, 3.25, 6).decimals),
              "3.2");
    EXPECT_EQ(TickLabel(ChooseTicks(120.0, 120.0, 6).values.front(), ChooseTicks(120.0, 120.0, 6).decimals),
              "120");

    // Ranges thinner than their bounds' rounding, or than the smallest normal steps.
    for (const auto& [min, max] :
         {std::pair{1e6, 1e6 + 1e-9}, {0.0, 1e-305}, {0.0, 4.9e-324}, {-1e-320, 1e-320}}) {
        const AxisTicks ticks = ChooseTicks(min, max, 6);
        ASSERT_EQ(ticks.values.size(), 1u) << min << " to " << max;
        EXPECT_GE(ticks.values.front(), min);
        EXPECT_LE(ticks.values.front(), max);
    }
}

TEST(TickSteps, TinyAndHugeRangesStillGetRoundSteps) {
    for (const auto& [min, max] :
         {std::pair{1.0, 1.0 + 1e-8},
          {-3e-12, 5e-12},
          {1e-290, 3e-290},
          {-1e308, 1e308},
          {-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()}}) {
        SCOPED_TRACE(testing::Message() << min << " to " << max);
        const AxisTicks ticks = ChooseTicks(min, max, 6);
        ExpectRoundStep(ticks);
        ExpectMultiplesInside(ticks, min, max);
        EXPECT_LE(ticks.values.size(), 9u);
        for (double value : ticks.values) EXPECT_TRUE(std::isfinite(value));
    }
}

TEST(TickSteps, NonFiniteBoundsGiveNoTicks) {
    for (const auto& [min, max] : {std::pair{kNaN, 1.0},
                                   {0.0, kNaN},
                                   {kNaN, kNaN},
                                   {-kInf, 1.0},
                                   {0.0, kInf},
                                   {-kInf, kInf},
                                   {kInf, kInf}}) {
        const AxisTicks ticks = ChooseTicks(min, max, 6);
        EXPECT_TRUE(ticks.values.empty()) << min << " to " << max;
        EXPECT_EQ(ticks.step, 0.0);
    }
}

class TickLabels : public test::CommaLocale {};

TEST_F(TickLabels, ShowTheStepsDecimalsInThePointFormAndZeroBare) {
    EXPECT_EQ(TickLabel(0.5, 1), "0.5");
    EXPECT_EQ(TickLabel(-1.5, 1), "-1.5");
    EXPECT_EQ(TickLabel(1.0, 1), "1.0");
    EXPECT_EQ(TickLabel(2.0, 0), "2");
    EXPECT_EQ(TickLabel(2500.0, 0), "2500");
    EXPECT_EQ(TickLabel(0.0015, 4), "0.0015");
    EXPECT_EQ(TickLabel(0.0, 2), "0");
    EXPECT_EQ(TickLabel(-0.0, 1), "0");
    EXPECT_EQ(TickLabel(-1e-17, 1), "0") << "a value that only rounding keeps from zero";

    // The labels of a range across zero, as the plot writes them.
    const AxisTicks ticks = ChooseTicks(-1.69, 1.74, 6);
    std::vector<std::string> labels;
    for (double value : ticks.values) labels.push_back(TickLabel(value, ticks.decimals));
    EXPECT_EQ(labels, (std::vector<std::string>{"-1.5", "-1.0", "-0.5", "0", "0.5", "1.0", "1.5"}));
}

} // namespace
} // namespace vex::host::plot
