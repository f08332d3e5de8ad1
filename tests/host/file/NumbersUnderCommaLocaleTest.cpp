#include "tests/host/file/SceneFileFixture.h"
#include "tests/support/CommaLocale.h"

#include <gtest/gtest.h>
#include <maya/MFileIO.h>

#include <string>

namespace {

// A user whose desktop writes decimal commas: command results and scene files still use points.
class NumbersUnderCommaLocale : public SceneFileFixture {
protected:
    void SetUp() override {
        if (!locale.IsActive()) GTEST_SKIP() << "no comma-decimal locale on this machine";
    }

    vex::test::CommaLocaleScope locale;
};

TEST_F(NumbersUnderCommaLocale, CommandResultsAndSavedScenesWriteDecimalPoints) {
    run("createNode transform -n t; setAttr t.tx 0.25");
    EXPECT_EQ(run("getAttr t.tx"), "0.25");
    EXPECT_EQ(run("string $s = 1.5 + 0.25; $s"), "1.75");

    const std::string file = path("comma.ma");
    ASSERT_TRUE(MFileIO::saveAs(file.c_str()));
    const std::string text = readFile(file);
    EXPECT_NE(text.find("0.25"), std::string::npos) << text;
    EXPECT_EQ(text.find("0,25"), std::string::npos) << text;

    // And the file reads back as it was written.
    ASSERT_TRUE(MFileIO::open(file.c_str(), nullptr, true));
    EXPECT_EQ(run("getAttr t.tx"), "0.25");
}

} // namespace
