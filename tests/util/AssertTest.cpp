#include "util/Assert.h"

#include <gtest/gtest.h>

namespace {

TEST(AssertDeathTest, ABrokenInvariantNamesItsPlaceAndStopsTheTestBuild) {
    ASSERT_TRUE(vex::util::AssertionsStop()) << "test builds stop at a broken invariant";
    int evaluated = 0;
    TORVA_ASSERT(++evaluated == 1, "never shown");
    EXPECT_EQ(evaluated, 1) << "the condition is evaluated once";
    const int* missing = nullptr;
    EXPECT_DEATH(TORVA_ASSERT(missing != nullptr, "a take has an adaptor"),
                 "AssertTest.cpp:[0-9]+: invariant broken: a take has an adaptor \\(missing != nullptr\\)");
}

} // namespace
