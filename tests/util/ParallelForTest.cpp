#include "util/ParallelFor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace vex::util {
namespace {

TEST(ParallelFor, CallsEveryIndexOnceAndReturnsWhenAllAreDone) {
    for (const std::size_t count : {0u, 1u, 2u, 1000u}) {
        std::vector<std::atomic<int>> calls(count);
        ParallelFor(count, [&](std::size_t i) { calls[i].fetch_add(1); });
        for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(calls[i].load(), 1) << i << " of " << count;
    }
}

} // namespace
} // namespace vex::util
