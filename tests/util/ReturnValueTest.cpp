#include "util/ReturnValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vex::util {
namespace {

TEST(ReturnValue, SetCopiesIntoCallersObject) {
    std::vector<int> callers{1};
    ReturnValue<std::vector<int>> out(&callers);
    EXPECT_EQ(out.get(), &callers);
    EXPECT_EQ(out.getConst(), &callers);

    std::vector<int> produced{4, 5, 6};
    EXPECT_EQ(out.set(produced), &callers);
    EXPECT_EQ(callers, produced);
    produced.clear();
    EXPECT_EQ(callers, (std::vector<int>{4, 5, 6})); // a copy, not a reference
}

// Counts assignments so a self-copy can be told apart from none.
struct Counted {
    int assignments = 0;
    Counted& operator=(const Counted&) {
        ++assignments;
        return *this;
    }
};

TEST(ReturnValue, SetWithCallersOwnObjectDoesNotCopy) {
    Counted callers;
    ReturnValue<Counted> out(&callers);
    EXPECT_EQ(out.set(*out.get()), &callers);
    EXPECT_EQ(callers.assignments, 0);
    out.set(Counted{});
    EXPECT_EQ(callers.assignments, 1);
}

} // namespace
} // namespace vex::util
