#include "plugins/common/ResponseFilter.h"

#include <gtest/gtest.h>

namespace vex::orb::addon {
namespace {

TEST(ResponseFilter, TheSecondStageLagsTheFirstAndBothSettle) {
    ResponseFilter filter;
    filter.Step(1.0, 0.3, 0.04);
    EXPECT_GT(filter.first, filter.second);
    EXPECT_GT(filter.second, 0.0);
    for (int i = 0; i < 400; ++i) filter.Step(1.0, 0.3, 0.04);
    EXPECT_NEAR(filter.second, 1.0, 1e-9);
    // A factor of 1 passes the target through both stages at once.
    EXPECT_EQ(filter.Step(-4.0, 1.0, 0.003), -4.0);
    EXPECT_EQ(filter.first, -4.0);
}

} // namespace
} // namespace vex::orb::addon
