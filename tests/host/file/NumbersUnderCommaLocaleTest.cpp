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
        if (!locale_.IsActive()) GTEST_SKIP() << "no comma-decimal locale on this machine";
    }

    vex::test::CommaLocaleScope locale_;
};

TEST_F(NumbersUnderCommaLocale, CommandResultsAndSavedScenesWriteDecimalPoints) {
    Run("createNode transform -n t; setAttr t.tx 0.25");
    EXPECT_EQ(Run("getAttr t.tx"), "0.25");
    EXPECT_EQ(Run("string $s = 1.5 + 0.25; $s"), "1.75");

    const std::string file = path("comma.ma");
    ASSERT_TRUE(MFileIO::saveAs(file.c_str()));
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("0.25"), std::string::npos) << text;
    EXPECT_EQ(text.find("0,25"), std::string::npos) << text;

    // And the file reads back as it was written.
    ASSERT_TRUE(MFileIO::open(file.c_str(), nullptr, true));
    EXPECT_EQ(Run("getAttr t.tx"), "0.25");
}

} // namespace
