#include "util/NumberText.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace vex::util {
namespace {

class NumberText : public test::CommaLocale {};

TEST_F(NumberText, ReadsThePointFormUnderACommaLocale) {
    ASSERT_EQ(std::localeconv()->decimal_point[0], ',') << "the fixture's locale writes decimal commas";
    EXPECT_EQ(ParseNumber<double>(" 1.5 "), 1.5);
    EXPECT_EQ(ParseNumber<double>("+2.25e1"), 22.5);
    EXPECT_EQ(ParseNumber<double>("-.5"), -0.5);
    EXPECT_EQ(ParseNumber<double>("1,5"), std::nullopt) << "a comma is not a decimal point in files";
    EXPECT_EQ(ParseNumber<double>("1.5x"), std::nullopt);
    EXPECT_EQ(ParseNumber<double>(""), std::nullopt);
    EXPECT_EQ(ParseNumber<double>("+-1"), std::nullopt);
    EXPECT_EQ(ParseNumber<int>("42"), 42);
    EXPECT_EQ(ParseNumber<int>("4.2"), std::nullopt);

    // The atof-like reader takes what number there is at the start.
    EXPECT_EQ(ParseLeadingNumber("  3.75 and more"), 3.75);
    EXPECT_EQ(ParseLeadingNumber("+0.5"), 0.5);
    EXPECT_EQ(ParseLeadingNumber("abc"), 0.0);
    EXPECT_EQ(ParseLeadingNumber(""), 0.0);
}

TEST_F(NumberText, WritesThePointFormAndReadsItBackExactly) {
    for (double value : {0.1, -1234.5678901234567, 1e-300, std::numeric_limits<double>::max(), 3.0}) {
        const std::string text = FormatNumber(value);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        EXPECT_EQ(ParseNumber<double>(text), value) << text;
    }
    EXPECT_EQ(FormatFixed(1.0 / 3.0, 6), "0.333333");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-2"); // round half to even, as printf
    EXPECT_EQ(FormatGeneral(1.0 / 3.0, 9), "0.333333333");
    EXPECT_EQ(FormatGeneral(1234567.0, 3), "1.23e+06");
    EXPECT_EQ(FormatGeneral(2.5, 6), "2.5");
    EXPECT_EQ(FormatGeneral(2.5, -1), "2.5") << "a negative precision is printf's default";
}

} // namespace
} // namespace vex::util
