// The compute plug-in (tests/host/plugin/ComputePlugin.cpp) loaded by path: its node computes when
// its outputs are read, its command's flags are checked against its syntax and read through
// MArgDatabase.
#include "host/scene/PluginManager.h"
#include "host/scene/ScriptEditor.h"
#include "tests/host/api/SceneFixture.h"

#include <maya/MFnEnumAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>

#include <cmath>
#include <string>

namespace {

using vex::host::PluginManager;
using vex::host::ScriptEditor;

class ComputePluginTest : public SceneFixture {
protected:
    void SetUp() override {
        ScriptEditor::get().clear();
        ASSERT_TRUE(PluginManager::get().Load(HOST_COMPUTE_PLUGIN, &name_))
            << ScriptEditor::get().Last(ScriptEditor::Kind::kError);
    }
    void TearDown() override {
        vex::host::Scene::Instance().Reset();
        PluginManager::get().Unload(name_);
    }

    static int Computes() {
        int count = -1;
        EXPECT_TRUE(MGlobal::executeCommand("hostComputeCount", count));
        return count;
    }
    static double Get(const char* plug) {
        double value = 0.0;
        EXPECT_TRUE(MGlobal::executeCommand(MString("getAttr ") + plug, value)) << plug;
        return value;
    }
    static void Run(const char* command) { ASSERT_TRUE(MGlobal::executeCommand(command)) << command; }
    static std::string Parse(const char* arguments) {
        MString result;
        const MStatus status = MGlobal::executeCommand(MString("hostParse ") + arguments, result);
        return status ? result.str() : "refused";
    }
    static MPlug PlugOf(const MObject& node, const char* attribute) {
        return MFnDependencyNode(node).findPlug(attribute);
    }

    std::string name_;
};

TEST_F(ComputePluginTest, OutputIsComputedWhenReadAndAgainOnlyAfterAnInputChanges) {
    const MObject node = Make("hostScale", "sc");
    Run("setAttr sc.input 3");
    const int before = Computes();
    EXPECT_DOUBLE_EQ(Get("sc.output"), 6.0) << "input 3 times the default factor 2";
    EXPECT_EQ(Computes(), before + 1);
    double value = 0.0;
    ASSERT_TRUE(PlugOf(node, "output").getValue(value));
    EXPECT_DOUBLE_EQ(value, 6.0);
    EXPECT_EQ(Computes(), before + 1) << "a clean output is answered without computing";

    Run("setAttr sc.factor 5");
    EXPECT_DOUBLE_EQ(Get("sc.output"), 15.0);
    EXPECT_EQ(Computes(), before + 2);
    Run("setAttr sc.factor 5");
    EXPECT_DOUBLE_EQ(Get("sc.output"), 15.0);
    EXPECT_EQ(Computes(), before + 2) << "setting the same value leaves the output clean";

    Run("setAttr sc.mode 1");
    EXPECT_DOUBLE_EQ(Get("sc.output"), 8.0) << "the enum input switches to input + factor";
    Run("setAttr sc.biasX 0.5");
    EXPECT_DOUBLE_EQ(Get("sc.output"), 8.5) << "a child of a compound input affects through its parent";
    EXPECT_DOUBLE_EQ(Get("sc.pointZ"), 8.5) << "an output of three numbers read through its child";
    EXPECT_DOUBLE_EQ(Get("sc.pointX"), 3.0);
}

TEST_F(ComputePluginTest, ConnectionsPullUpstreamComputedValues) {
    Make("hostScale", "up");
    Make("hostScale", "down");
    Run("setAttr up.input 2");
    Run("connectAttr up.output down.input");
    EXPECT_DOUBLE_EQ(Get("down.output"), 8.0) << "(2 * 2) * 2";
    const int computed = Computes();
    Run("setAttr up.input 4");
    EXPECT_DOUBLE_EQ(Get("down.output"), 16.0) << "a change upstream reaches the downstream output";
    EXPECT_EQ(Computes(), computed + 2) << "both nodes computed once each";
    Run("disconnectAttr up.output down.input");
    EXPECT_DOUBLE_EQ(Get("down.output"), 0.0) << "the disconnected input reads its stored value again";
}

TEST_F(ComputePluginTest, EnumUnitAndCompoundAttributesReadBackThroughPlugs) {
    const MObject node = Make("hostScale", "sc");
    MPlug mode = PlugOf(node, "mode");
    MFnEnumAttribute modes(mode.attribute());
    EXPECT_EQ(modes.fieldName(1), "offset");
    EXPECT_EQ(modes.fieldIndex("scale"), 0);
    MStatus status;
    modes.fieldName(7, &status);
    EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter);
    EXPECT_FALSE(modes.addField("scale", 5)) << "a field name is used once";
    ASSERT_TRUE(mode.setValue(1));
    EXPECT_EQ(mode.asInt(), 1);

    MPlug turn = PlugOf(node, "turn");
    EXPECT_EQ(MFnUnitAttribute(turn.attribute()).unitType(), MFnUnitAttribute::kAngle);
    EXPECT_TRUE(turn.attribute().hasFn(MFn::kUnitAttribute));
    EXPECT_NEAR(turn.asDouble(), M_PI / 2, 1e-12) << "angles are kept in radians";

    MPlug bias = PlugOf(node, "bias");
    ASSERT_TRUE(bias.isCompound());
    EXPECT_EQ(bias.numChildren(), 2u);
    EXPECT_TRUE(bias.child(1).asBool()) << "biasOn's default";
    ASSERT_TRUE(bias.child(0).setValue(1.25));
    EXPECT_DOUBLE_EQ(PlugOf(node, "biasX").asDouble(), 1.25);
    EXPECT_TRUE(bias.child(0) == PlugOf(node, "biasX").attribute());
    EXPECT_TRUE(bias.child(0) != bias.attribute());
}

TEST_F(ComputePluginTest, CommandFlagsAreCheckedAndReadThroughTheSyntax) {
    EXPECT_EQ(Parse("-name bob -s 1.5 -c 1 -count 2 -pair 3 on"),
              "query=0 name=bob scale=1.5 count=1 count=2 pair=3,1");
    EXPECT_EQ(Parse("-q -name"), "query=1 name=") << "query flags take no values";
    EXPECT_EQ(Parse("-nme bob"), "refused") << "a misspelt flag is refused before the command runs";
    EXPECT_EQ(Parse("-scale x"), "refused") << "a value of the wrong type";
    EXPECT_EQ(Parse("-pair 3"), "refused") << "a flag without all its values";
    EXPECT_EQ(Parse("-n a -n b"), "refused") << "a flag not made multi-use is given once";

    Make("transform", "a");
    Make("transform", "b");
    Make("transform", "c");
    EXPECT_EQ(Parse("b a"), "query=0 object=b object=a");
    EXPECT_EQ(Parse("a b c"), "refused") << "at most two objects";
    ASSERT_TRUE(MGlobal::selectByName("c", MGlobal::kReplaceList));
    EXPECT_EQ(Parse(""), "query=0 object=c") << "the selection stands in for missing objects";
}

} // namespace
