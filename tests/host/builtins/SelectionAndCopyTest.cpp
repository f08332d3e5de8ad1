#include "host/builtins/JournaledCommand.h"
#include "host/scene/MeshData.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <maya/MArgList.h>

using vex::host::Scene;
using vex::host::builtins::JournaledCommand;

TEST_F(BuiltinsFixture, SelectAddsRemovesAndClearsAndLsFiltersByInheritedTypeAndPattern) {
    Run("createNode transform -n t1; createNode camera -n c1 -p t1; createNode transform -n t2;"
        "createNode mesh -n m2 -p t2");
    Run("select -r t1 t2");
    EXPECT_EQ(text("ls -sl"), "t1 t2");
    Run("select -d t1; select -add c1 m2");
    EXPECT_EQ(text("ls -sl"), "t2 c1 m2");
    EXPECT_EQ(text("ls -sl -type shape"), "c1 m2") << "a type names its derived types too";
    EXPECT_EQ(text("ls -sl -long -type camera"), "|t1|c1");
    EXPECT_EQ(text("ls -type transform \"t*\""), "top t1 t2");
    EXPECT_EQ(text("ls \"*2\""), "t2 m2");
    Run("select -cl");
    EXPECT_TRUE(text("ls -sl").empty());
    EXPECT_NE(RunFailing("select -r t1 nothere").find("No object matches name: nothere"), std::string::npos);
    EXPECT_TRUE(text("ls -sl").empty()) << "a failed select changes nothing";

    Run("select -r t2");
    EXPECT_EQ(text("rename renamed"), "renamed") << "one name renames the selected node";
    EXPECT_EQ(text("rename t1 renamed"), "renamed1") << "a taken name gets a number";
}

TEST_F(BuiltinsFixture, DuplicateCopiesValuesDynamicAttributesAndInnerConnectionsButCurvesOnlyWithUpstream) {
    Run("createNode transform -n src; setAttr src.t 1 2 3; addAttr -ln gain -at double -dv 0.5 src;"
        "setAttr src.gain 0.25; createNode transform -n inner -p src; connectAttr src.tx inner.ty;"
        "createNode animCurveTU -n src_sx; setAttr \".ktv[0:1]\" 1 1 24 3; connectAttr src_sx.o src.sx");
    EXPECT_EQ(text("duplicate -n plain src"), "plain");
    EXPECT_EQ(text("getAttr plain.t"), "1 2 3");
    EXPECT_DOUBLE_EQ(Number("getAttr plain.gain"), 0.25);
    Run("setAttr plain.tx 7");
    EXPECT_DOUBLE_EQ(Number("getAttr plain|inner1.ty"), 7.0) << "the connection among the copies is copied";
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 plain.sx"), 1.0) << "without -un the copy is not animated";
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 src.sx"), 3.0);

    const auto copies = Run("duplicate -un src");
    ASSERT_EQ(copies.Size(), 2u);
    EXPECT_EQ(copies.At(0).AsString(), "src1");
    EXPECT_EQ(copies.At(1).AsString(), "src_sx1");
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 src1.sx"), 3.0);
    Run("setAttr \"src_sx1.ktv[1:1]\" 24 5");
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 src.sx"), 3.0) << "the copied curve is its own";
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 src1.sx"), 5.0);
}

TEST_F(BuiltinsFixture, MeshListsAcceptLateVerticesSkipTextureIndicesAndRefuseMissingEdges) {
    Run("createNode transform -n tri; createNode mesh -n triShape -p tri;"
        "setAttr -s 3 \".vt[0:2]\" 0 0 0 1 0 0 0 1 0; setAttr -s 3 \".ed[0:2]\" 0 1 0 1 2 0 2 0 0;"
        "setAttr -s 1 \".fc[0]\" -type \"polyFaces\" f 3 0 1 2 mu 0 3 0 1 2;"
        "setAttr \".vt[1]\" 2 0 0");
    auto node = Scene::Instance().findNode("triShape");
    const auto value = node->StoredValue(*node->FindAttribute("outMesh"));
    const auto mesh =
        std::dynamic_pointer_cast<const vex::host::MeshData>(std::get<vex::host::DataPtr>(value));
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->numPolygons(), 1);
    EXPECT_DOUBLE_EQ(mesh->Points()[1].x, 2.0) << "a vertex written after the faces moves";
    EXPECT_NE(
        RunFailing(
            "setAttr -s 3 \".ed[0:2]\" 0 1 0 1 2 0 2 0 0; setAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 7")
            .find("edge 7"),
        std::string::npos);
    EXPECT_NE(RunFailing("setAttr \".vt[0]\" 1 2").find("three numbers"), std::string::npos);
    EXPECT_NE(RunFailing("setAttr \"tri.vt[0]\" 1 2 3").find("not a mesh"), std::string::npos);
}

TEST_F(BuiltinsFixture, ArgumentsStartingWithADashAndALetterAreFlagsAndNegativeNumbersAreValues) {
    MArgList args;
    for (const char* word : {"-type", "string", "-5", "-0.5", "-", "n.tx"}) args.addArg(MString(word));
    const auto call = JournaledCommand::CallOf("setAttr", args);
    ASSERT_EQ(call.args.size(), 6u);
    EXPECT_TRUE(call.args[0].isFlag);
    for (std::size_t i = 1; i < call.args.size(); ++i) EXPECT_FALSE(call.args[i].isFlag) << i;

    Run("createNode transform -n n; setAttr n.tx -5; setAttr n.v off; setAttr n.ro 2");
    EXPECT_DOUBLE_EQ(Number("getAttr n.tx"), -5.0);
    EXPECT_EQ(text("getAttr n.v"), "0");
    EXPECT_EQ(text("getAttr -type n.v"), "bool");
    EXPECT_EQ(text("getAttr n.ro"), "2");
}
