// MSyntax and MArgParser on their own, without the command engine: what a syntax accepts and how
// the values of a call are read back.
#include <gtest/gtest.h>
#include <maya/MAngle.h>
#include <maya/MArgList.h>
#include <maya/MArgParser.h>
#include <maya/MDistance.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include <initializer_list>

namespace {

MArgList Args(std::initializer_list<const char*> words) {
    MArgList list;
    for (const char* word : words) list.addArg(MString(word));
    return list;
}

MSyntax Moves() {
    MSyntax syntax;
    syntax.addFlag("-d", "-distance", MSyntax::kDistance);
    syntax.addFlag("-a", "-angle", MSyntax::kAngle);
    syntax.addFlag("-u", "-units", MSyntax::kUnsigned);
    syntax.addFlag("-t", "-tag", MSyntax::kString);
    syntax.makeFlagMultiUse("tag");
    syntax.addArg(MSyntax::kLong);
    syntax.addArg(MSyntax::kString);
    syntax.enableEdit();
    return syntax;
}

TEST(ArgParser, DeclarationsRefuseClashesAndNonValueTypes) {
    MSyntax syntax;
    EXPECT_TRUE(syntax.addFlag("-x", "-extent", MSyntax::kDouble));
    EXPECT_FALSE(syntax.addFlag("-x", "-other")) << "a short name used twice";
    EXPECT_FALSE(syntax.addFlag("-e", "extent")) << "a long name used twice, with or without the dash";
    EXPECT_EQ(syntax.addFlag("-b", "-bad", MSyntax::kLastArgType).statusCode(), MStatus::kInvalidParameter);
    EXPECT_FALSE(syntax.makeFlagMultiUse("-nope"));
    EXPECT_FALSE(syntax.addArg(MSyntax::kNoArg));
    EXPECT_FALSE(syntax.setObjectType(MSyntax::kSelectionList, 3, 1)) << "minimum above maximum";
    EXPECT_FALSE(syntax.canQuery());
    syntax.enableQuery();
    EXPECT_TRUE(syntax.canQuery());
}

TEST(ArgParser, ValuesReadInTheirTypesAndPositions) {
    MStatus status;
    MArgParser parser(Moves(), Args({"-e", "-t", "one", "-d", "2.5", "-t", "two", "-a", "90", "7", "word"}),
                      &status);
    ASSERT_TRUE(status);
    EXPECT_TRUE(parser.isEdit());
    EXPECT_FALSE(parser.isQuery());
    EXPECT_EQ(parser.numberOfFlagsUsed(), 4u);
    EXPECT_EQ(parser.numberOfFlagUses("-t"), 2u);
    EXPECT_EQ(parser.flagArgumentString("tag", 0), "one") << "the first use";
    MArgList second;
    ASSERT_TRUE(parser.getFlagArgumentList("-tag", 1, second));
    EXPECT_EQ(second.asString(0), "two");
    unsigned int position = 0;
    ASSERT_TRUE(parser.getFlagArgumentPosition("t", 1, position));
    EXPECT_EQ(position, 5u);
    EXPECT_FALSE(parser.getFlagArgumentPosition("t", 2, position)) << "no third use";

    MDistance distance;
    ASSERT_TRUE(parser.getFlagArgument("-d", 0, distance));
    EXPECT_DOUBLE_EQ(distance.as(MDistance::uiUnit()), 2.5);
    EXPECT_NEAR(parser.flagArgumentMAngle("-a", 0).as(MAngle::uiUnit()), 90.0, 1e-12);
    EXPECT_EQ(parser.commandArgumentInt(0), 7);
    EXPECT_EQ(parser.commandArgumentString(1), "word");
    parser.commandArgumentInt(2, &status);
    EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter) << "only two command arguments";
    double unused = 0.0;
    EXPECT_FALSE(parser.getFlagArgument("-u", 0, unused)) << "a flag not given has no values";
}

TEST(ArgParser, CallsThatDoNotFitAreRefusedAndLeaveNothing) {
    for (auto words : {Args({"-u", "-3", "1", "w"}), Args({"-x", "1", "w"}), Args({"1"}), Args({"one", "w"}),
                       Args({"-d", "1", "-d", "2", "1", "w"}), Args({"1", "w", "extra"})}) {
        MStatus status;
        MArgParser parser(Moves(), words, &status);
        EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter) << words.asString(0);
        EXPECT_EQ(parser.numberOfFlagsUsed(), 0u);
        MStringArray objects;
        parser.getObjects(objects);
        EXPECT_EQ(objects.length(), 0u);
    }
}

TEST(ArgParser, EnumFieldsAndCompoundChildren) {
    MFnEnumAttribute enumeration;
    enumeration.create("side", "sd", 1);
    short low = 0, high = 0;
    EXPECT_FALSE(enumeration.getMin(low)) << "no fields yet";
    enumeration.addField("left", -1);
    enumeration.addField("centre", 1);
    enumeration.addField("right", 4);
    EXPECT_FALSE(enumeration.addField("middle", 1)) << "a value is used once";
    ASSERT_TRUE(enumeration.getMin(low));
    ASSERT_TRUE(enumeration.getMax(high));
    EXPECT_EQ(low, -1);
    EXPECT_EQ(high, 4);
    EXPECT_EQ(enumeration.defaultValue(), "centre");
    ASSERT_TRUE(enumeration.setDefault("right"));
    short value = 0;
    ASSERT_TRUE(enumeration.getDefault(value));
    EXPECT_EQ(value, 4);
    EXPECT_FALSE(enumeration.setDefault("up"));

    MFnNumericAttribute numeric;
    const MObject width = numeric.create("width", "w", MFnNumericData::kDouble, 1.0);
    const MObject height = numeric.create("height", "h", MFnNumericData::kDouble, 2.0);
    MFnCompoundAttribute compound;
    const MObject size = compound.create("size", "sz");
    ASSERT_TRUE(compound.addChild(width));
    EXPECT_FALSE(compound.addChild(width)) << "a child has one parent";
    EXPECT_FALSE(compound.addChild(size)) << "a compound is not its own child";
    ASSERT_TRUE(compound.addChild(height));
    EXPECT_EQ(compound.numChildren(), 2u);
    EXPECT_TRUE(compound.child(1) == height);
    MStatus status;
    compound.child(2, &status);
    EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter);
}

} // namespace
