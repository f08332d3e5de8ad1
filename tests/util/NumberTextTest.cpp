#include "util/NumberText.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

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

// WriteNumber's text, as a string.
std::string Written(double value) {
    char buffer[32];
    return std::string(buffer, WriteNumber(buffer, buffer + sizeof buffer, value));
}

TEST_F(NumberText, WriteNumberGivesFewDecimalsPlainlyAndEveryValueBackExactly) {
    EXPECT_EQ(Written(0.0), "0");
    EXPECT_EQ(Written(7.0), "7");
    EXPECT_EQ(Written(-12.5), "-12.5");
    EXPECT_EQ(Written(0.04), "0.04");
    EXPECT_EQ(Written(123 / 25.0), "4.92");
    EXPECT_EQ(Written(-0.000001), "-0.000001");
    EXPECT_EQ(Written(-0.0), "-0") << "the sign of zero is kept";
    EXPECT_EQ(Written(1.0 / 3.0), FormatNumber(1.0 / 3.0)) << "others as FormatNumber writes them";
    EXPECT_EQ(Written(1e300), FormatNumber(1e300));
    EXPECT_EQ(Written(std::numeric_limits<double>::infinity()), "inf");
    // Frame times and values near decimals of every kind read back as the very same double.
    for (int i = -30000; i <= 30000; ++i)
        for (const double value :
             {i / 25.0, i / 24.0, i * 0.001 + 3.0, i * 0.1, i / 7.0, i * 1e-7, i * 12345.678}) {
            const std::string text = Written(value);
            const auto back = ParseNumber<double>(text);
            ASSERT_TRUE(back.has_value()) << text;
            ASSERT_EQ(*back, value) << text;
            ASSERT_LE(text.size(), FormatNumber(value).size() + 7) << "no longer than needed: " << text;
        }
    char small[8];
    EXPECT_EQ(std::string(small, WriteNumber(small, small + sizeof small, 0.5)), "0.5")
        << "a short buffer is still written into as far as it goes";
}

TEST_F(NumberText, ReadNumberFindsWhatFromCharsFinds) {
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "1.",
                                      ".5",
                                      "-.25",
                                      "12.5x",
                                      "1e3",
                                      "1E-2",
                                      "-",
                                      ".",
                                      "abc",
                                      "1.2.3",
                                      "9007199254740993",
                                      "0.000001",
                                      "123456789012345",
                                      "1234567890123456",
                                      "1e999",
                                      "inf",
                                      "nan",
                                      "-12.340",
                                      "00012.5"};
    for (int i = -20000; i <= 20000; ++i) {
        texts.push_back(FormatNumber(i / 25.0));
        texts.push_back(FormatNumber(i * 0.001 + 3.0));
        texts.push_back(FormatNumber(i / 7.0));
    }
    for (const std::string& text : texts) {
        const char* first = text.data();
        const char* last = first + text.size();
        double expected = -1.0, got = -1.0;
        const auto [end, error] = std::from_chars(first, last, expected, std::chars_format::general);
        const char* read = ReadNumber(first, last, got);
        if (error != std::errc()) {
            EXPECT_EQ(read, first) << text;
            continue;
        }
        EXPECT_EQ(read, end) << text;
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(got)) << text;
            continue;
        }
        EXPECT_EQ(got, expected) << text;
        EXPECT_EQ(std::signbit(got), std::signbit(expected)) << text;
    }
}

} // namespace
} // namespace vex::util
