#include "host/program/SampleTable.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

namespace vex::host::program {
namespace {

TEST(SampleTable, ReadsAHeaderAndRowsAndInterpolatesHoldingTheEnds) {
    test::CommaLocaleScope comma; // the numbers stay in the point form whatever the locale
    SampleTable table;
    std::string error;
    ASSERT_TRUE(table.Parse("time,forward,yaw\r\n0,0,1\n\n0.5,1,-1\n1.5,0.5,-1\n", error)) << error;
    EXPECT_EQ(table.Columns(), 2);
    EXPECT_DOUBLE_EQ(table.ValueAt(0, 0.25), 0.5);
    EXPECT_DOUBLE_EQ(table.ValueAt(1, 0.25), 0.0);
    EXPECT_DOUBLE_EQ(table.ValueAt(0, 1.0), 0.75);
    EXPECT_DOUBLE_EQ(table.ValueAt(0, -3.0), 0.0) << "held before the first row";
    EXPECT_DOUBLE_EQ(table.ValueAt(0, 99.0), 0.5) << "held after the last row";
    EXPECT_DOUBLE_EQ(table.ValueAt(2, 0.5), 0.0) << "a column the table lacks";
    EXPECT_DOUBLE_EQ(table.ValueAt(-1, 0.5), 0.0);
}

TEST(SampleTable, TwoRowsAtOneTimeStepAtThatTime) {
    SampleTable table;
    std::string error;
    ASSERT_TRUE(table.Parse("0,0\n1,0\n1,1\n2,1\n", error)) << error;
    EXPECT_DOUBLE_EQ(table.ValueAt(0, 0.999), 0.0);
    EXPECT_DOUBLE_EQ(table.ValueAt(0, 1.5), 1.0);
}

TEST(SampleTable, BadTablesSayWhereAndWhy) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "the table has no rows"},
        {"time,a\n", "the table has no rows"},
        {"0,1\n1,x\n", "line 2: a field is not a number"},
        {"0,1\n1,1,2\n", "line 2: the row has 3 fields, the first row 2"},
        {"0,1\n2,1\n1,1\n", "line 3: the time goes back"},
        {"0\n", "line 1: a row needs a time and at least one value"},
        {"0,1\n1,nan\n", "line 2: a field is not a number"},
        {"0,1\n1,1e999\n", "line 2: a field is not a number"},
        {"0;1\n", "the table has no rows"}, // one field that is no number reads as a header
    };
    for (const auto& c : cases) {
        SampleTable table;
        std::string error;
        EXPECT_FALSE(table.Parse(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

} // namespace
} // namespace vex::host::program
