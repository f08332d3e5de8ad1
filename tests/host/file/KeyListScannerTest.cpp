#include "host/file/KeyListScanner.h"

#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>

namespace vex::host::file {
namespace {

TEST(KeyListScanner, TakesKeyListsOutKeepingTheLinesAndTheRest) {
    test::CommaLocaleScope comma; // numbers are read in the point form whatever the locale
    const auto result = KeyListScanner::Scan("createNode animCurveTL -n \"c\";\n"
                                             "\tsetAttr -s 3 \".ktv[0:2]\" 0 1.5 0.04 -2e-3\n\t\t0.08 1e+2;\n"
                                             "setAttr \".tx\" 1;");
    EXPECT_EQ(result.text, "createNode animCurveTL -n \"c\";\n\t__keyList 0;\n\nsetAttr \".tx\" 1;");
    ASSERT_EQ(result.keyLists.size(), 1u);
    EXPECT_EQ(result.keyLists[0], (std::vector<double>{0, 1.5, 0.04, -0.002, 0.08, 100}));
}

TEST(KeyListScanner, LeavesAnythingNotExactlyAKeyListToTheLanguage) {
    const char* const untouched[] = {
        "setAttr -s 1 \".ktv[0:0]\" 0 1 2;",                 // a value without its time
        "setAttr -s 1 \".ktv[0:0]\" 0 x;",                   // not a number
        "setAttr -s 1 \".ktv[0:0]\" 0 inf;",                 // the language judges the spellings of infinity
        "setAttr -s 1 \".ktv[0:0]\" 0 +1;",                  // nor a leading plus
        "setAttr -s 1 \".ktv[0:0]\" 0 1",                    // no end
        "setAttr -s 1 \".ktv[0:0]\" 0 1e999;",               // out of range
        "setAttr -s 1 \"c.ktv[0:0]\" 0 1;",                  // a named node goes through the name mapping
        "setAttr \".ktv[0:0]\" 0 1;",                        // no size
        "setAttr -s 1 \".ktv[0:0]\"0 1;",                    // numbers glued to the plug
        "print \"x\"; // setAttr -s 1 \".ktv[0:0]\" 0 1;\n", // in a comment
        "/* setAttr -s 1 \".ktv[0:0]\" 0 1; */",
        "print \"; setAttr -s 1 \\\".ktv[0:0]\\\" 0 1;\";", // in a string
        "print setAttr -s 1 \".ktv[0:0]\" 0 1;",            // not a statement's start
    };
    for (const char* text : untouched) {
        const auto result = KeyListScanner::Scan(text);
        EXPECT_EQ(result.text, text);
        EXPECT_TRUE(result.keyLists.empty()) << text;
    }
    // After a comment, or between statements of one line, a statement still starts.
    const auto after = KeyListScanner::Scan(
        "// keys\nsetAttr -s 1 \".ktv[0:0]\" 0 1; /* x */ setAttr -s 1 \".ktv[0:0]\" 2 3;");
    EXPECT_EQ(after.text, "// keys\n__keyList 0; /* x */ __keyList 1;");
    EXPECT_EQ(after.keyLists.size(), 2u);
}

} // namespace
} // namespace vex::host::file
