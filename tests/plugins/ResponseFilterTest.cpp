#include "plugins/common/ResponseFilter.h"

#include <gtest/gtest.h>

namespace vex::orb::addon {
namespace {

TEST(ResponseFilter, FactorsZeroAndOneReachTheTargetAtOnce) {
    EXPECT_EQ(FilterStep(3.0, -2.0, 0.0, 0.003), -2.0);
    EXPECT_EQ(FilterStep(3.0, -2.0, 1.0, 0.003), -2.0);
    ResponseFilter filter;
    EXPECT_EQ(filter.Step(5.0, 1.0, 0.04), 5.0);
    EXPECT_EQ(filter.first, 5.0);
}

TEST(ResponseFilter, TheFactorIsPerFortyMillisecondsAndLongStepsAreSplit) {
    // Half a period: one blend by half the factor; a whole period is already two halves.
    EXPECT_DOUBLE_EQ(FilterStep(0.0, 1.0, 0.2, 0.02), 0.1);
    EXPECT_DOUBLE_EQ(FilterStep(0.0, 1.0, 0.2, 0.04), 0.19);
    // A 0.1 s step is three equal parts of 0.1/0.04/3 periods each.
    const double f = (0.1 / 0.04) / 3.0;
    double expected = 0.0;
    for (int i = 0; i < 3; ++i) expected += (1.0 - expected) * f * 0.2;
    EXPECT_DOUBLE_EQ(FilterStep(0.0, 1.0, 0.2, 0.1), expected);
    // Ten steps of 0.004 s lag about as much as one of 0.04 s.
    double fine = 0.0;
    for (int i = 0; i < 10; ++i) fine = FilterStep(fine, 1.0, 0.2, 0.004);
    EXPECT_NEAR(fine, 0.19, 0.01);
}

TEST(ResponseFilter, TheSecondStageLagsTheFirstAndBothSettle) {
    ResponseFilter filter;
    filter.Step(1.0, 0.3, 0.04);
    EXPECT_GT(filter.first, filter.second);
    EXPECT_GT(filter.second, 0.0);
    for (int i = 0; i < 400; ++i) filter.Step(1.0, 0.3, 0.04);
    EXPECT_NEAR(filter.second, 1.0, 1e-9);
}

} // namespace
} // namespace vex::orb::addon
