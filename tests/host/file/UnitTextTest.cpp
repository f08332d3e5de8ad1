#include "host/file/UnitText.h"

#include "host/file/StatementSource.h"
#include "util/NumberText.h"

#include <gtest/gtest.h>
#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <random>
#include <string>

namespace {

namespace units = vex::host::builtins::units;
using vex::host::file::StatementSource;
using vex::host::file::UnitText;

double Read(const std::string& text) {
    return vex::util::ParseNumber<double>(text).value();
}

// The user's units for the length of a test, given back after it.
class UnitTextTest : public ::testing::Test {
protected:
    ~UnitTextTest() override {
        MDistance::setUIUnit(MDistance::kCentimeters);
        MAngle::setUIUnit(MAngle::kDegrees);
        MTime::setUIUnit(MTime::kFilm);
    }
};

TEST_F(UnitTextTest, NumbersReadBackExactlyAndTextsStayTheSameThroughAWriteAndARead) {
    const struct {
        MDistance::Unit linear;
        MAngle::Unit angle;
        MTime::Unit time;
    } settings[] = {{MDistance::kMeters, MAngle::kDegrees, MTime::kPALFrame},
                    {MDistance::kInches, MAngle::kAngMinutes, MTime::kNTSCFrame},
                    {MDistance::kCentimeters, MAngle::kRadians, MTime::kSeconds}};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> spread(-1000.0, 1000.0);
    for (const auto& setting : settings) {
        MDistance::setUIUnit(setting.linear);
        MAngle::setUIUnit(setting.angle);
        MTime::setUIUnit(setting.time);
        for (int i = 0; i < 2000; ++i) {
            const double given = spread(random);
            for (const auto kind : {units::Kind::kLinear, units::Kind::kAngular, units::Kind::kNone}) {
                // A number the user gave in their unit reads back exactly.
                const double made = units::ToInternal(kind, given);
                const std::string madeText = UnitText::Text(kind, made);
                EXPECT_EQ(units::ToInternal(kind, Read(madeText)), made) << madeText;
                // Any other number reads back as one of its nearest, whose text stays the same.
                const std::string text = UnitText::Text(kind, given);
                const double read = units::ToInternal(kind, Read(text));
                EXPECT_EQ(UnitText::Text(kind, read), text) << given;
                ASSERT_NEAR(read, given, 1e-12 * std::abs(given)) << text;
            }
            const double seconds = units::FramesToSeconds(given);
            const std::string frames = UnitText::Frames(seconds);
            EXPECT_EQ(units::FramesToSeconds(Read(frames)), seconds) << frames;
            EXPECT_EQ(UnitText::Frames(units::FramesToSeconds(Read(UnitText::Frames(given)))),
                      UnitText::Frames(given));
        }
    }
    // In the scene's own units the text is the shortest one.
    MDistance::setUIUnit(MDistance::kCentimeters);
    EXPECT_EQ(UnitText::Text(units::Kind::kLinear, 0.1), "0.1");
    MDistance::setUIUnit(MDistance::kMeters);
    EXPECT_EQ(UnitText::Text(units::Kind::kLinear, 150.0), "1.5");
    MTime::setUIUnit(MTime::kFilm);
    EXPECT_EQ(UnitText::Frames(0.5), "12");
}

TEST(StatementSourceTest, StatementsAreFoundByTheirFirstLineWithTheirIndentation) {
    const StatementSource source("requires maya \"2014\";\n"
                                 "\tsetAttr \".b\" -type \"string\" (\"a;b\"\n"
                                 "\t\t+ \"c // d\");\n"
                                 "// a comment; with a semicolon\n"
                                 "connectAttr \"a.b\" \"c.d\" -na; select -ne :time1;\n"
                                 "/* one;\n two */ lockNode\n"
                                 "  -l 1;");
    EXPECT_EQ(source.Find(1), "requires maya \"2014\";");
    EXPECT_EQ(source.Find(2), "\tsetAttr \".b\" -type \"string\" (\"a;b\"\n\t\t+ \"c // d\");");
    EXPECT_EQ(source.Find(3), std::nullopt);
    EXPECT_EQ(source.Find(4), std::nullopt);
    EXPECT_EQ(source.Find(5), std::nullopt) << "a line of two statements gives neither";
    EXPECT_EQ(source.Find(7), "lockNode\n  -l 1;");
}

} // namespace
