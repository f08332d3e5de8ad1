#include "host/scene/MeshData.h"
#include "host/scene/MessageHub.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <maya/MDagModifier.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include <cmath>
#include <vector>

using vex::host::Scene;
using vex::host::UndoQueue;

namespace {

std::vector<std::string> commandTexts;

void NoteCommand(const MString& text, void*) {
    commandTexts.push_back(text.str());
}

const char* const kCubePoints =
    "setAttr -s 8 \".vt[0:7]\" -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 "
    "-0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5";
const char* const kCubeEdges = "setAttr -s 12 \".ed[0:11]\" 0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 "
                               "4 6 0 5 7 0 6 0 0 7 1 0";
const char* const kCubeFaces = "setAttr -s 6 \".fc[0:5]\" -type \"polyFaces\" f 4 0 5 -2 -5 f 4 1 7 -3 -7 "
                               "f 4 2 9 -4 -9 f 4 3 11 -1 -11 f 4 -12 -10 -8 -6 f 4 10 4 6 8";

} // namespace

TEST_F(BuiltinsFixture, AScriptBuildsTheSceneAndUndoAndRedoWalkBackAndForthThroughEveryCommand) {
    const std::vector<std::string> steps = {
        "createNode transform -n rig",
        "createNode camera -n rigCamShape -p rig",
        "setAttr rig.t 1 2 3",
        "setAttr rig.rx 90",
        "createNode transform -n ball",
        "createNode mesh -n ballShape -p ball",
        kCubePoints,
        kCubeEdges,
        kCubeFaces,
        "createNode animCurveTA -n rig_rotateY",
        "setAttr -s 3 \".ktv[0:2]\" 1 0 12 90 24 180",
        "connectAttr rig_rotateY.o rig.ry",
        "addAttr -ln notes -dt \"string\" rig",
        "setAttr -type \"string\" rig.notes \"hello world\"",
        "rename ball prop",
        "parent prop rig",
        "duplicate -un -n rig2 rig",
        "delete rig|prop",
        "select -r rig",
        "select -r rig2",
        "currentTime 12",
    };
    // The state after each step, and how many undo entries each step made (the edge list only
    // prepares the faces and changes nothing by itself).
    std::vector<std::string> states = {Snapshot()};
    std::vector<std::size_t> kept = {UndoQueue::get().size()};
    for (const auto& step : steps) {
        Run(step);
        states.push_back(Snapshot());
        kept.push_back(UndoQueue::get().size());
        if (step != kCubeEdges) {
            EXPECT_EQ(kept.back(), kept[kept.size() - 2] + 1) << step;
        }
    }
    // Read back what the script built.
    EXPECT_EQ(text("ls -type camera rig*"), "rigCamShape rigCamShape1");
    // Names are unique in the whole scene, so the copies below rig2 are numbered.
    EXPECT_EQ(text("ls -long \"|rig2|*\""), "|rig2|rigCamShape1 |rig2|prop1");
    EXPECT_EQ(text("ls -sl"), "rig2");
    EXPECT_EQ(text("getAttr rig.t"), "1 2 3");
    EXPECT_DOUBLE_EQ(Number("getAttr rig.rx"), 90.0);
    EXPECT_DOUBLE_EQ(Number("getAttr rig.ry"), 90.0);
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 rig.ry"), 180.0);
    EXPECT_DOUBLE_EQ(Number("getAttr -t 24 rig2.ry"), 180.0) << "the copy has its own curve";
    EXPECT_EQ(text("ls \"rig_rotateY*\""), "rig_rotateY rig_rotateY1");
    EXPECT_EQ(text("getAttr rig2.notes"), "hello world");
    EXPECT_EQ(text("getAttr -type rig.notes"), "string");
    EXPECT_EQ(text("getAttr -type rig.tx"), "doubleLinear");
    Run("select -ne \":rig\"; setAttr \".tz\" 9; select -r rig2");
    EXPECT_DOUBLE_EQ(Number("getAttr rig.tz"), 9.0) << "select names the node \".attr\" plugs refer to";
    Run("undo; undo; undo");
    EXPECT_TRUE(text("ls prop").empty()) << "the original prop is deleted";
    const auto cube = MeshOf("rig2|prop1|ballShape1");
    ASSERT_TRUE(cube);
    EXPECT_EQ(cube->NumVertices(), 8);
    EXPECT_EQ(cube->numPolygons(), 6);
    EXPECT_EQ(cube->PolygonVertices(0), (std::vector<int>{0, 1, 3, 2}));
    EXPECT_EQ(cube->PolygonVertices(4), (std::vector<int>{1, 7, 5, 3}));

    // Undo takes back one command at a time, exactly; redo makes them again.
    for (std::size_t i = steps.size(); i-- > 0;) {
        for (std::size_t n = kept[i + 1] - kept[i]; n > 0; --n) Run("undo");
        EXPECT_EQ(Snapshot(), states[i]) << "after undoing: " << steps[i];
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (std::size_t n = kept[i + 1] - kept[i]; n > 0; --n) Run("redo");
        EXPECT_EQ(Snapshot(), states[i + 1]) << "after redoing: " << steps[i];
    }
}

TEST_F(BuiltinsFixture, TheCommandsOfOneScriptUndoOneByOneAndQueriesAreNotKept) {
    Run("createNode transform -n a;\nsetAttr a.tx 4;\nsetAttr a.tx 7;\nls;\ngetAttr a.tx;");
    EXPECT_EQ(UndoQueue::get().size(), 3u);
    Run("undo");
    EXPECT_DOUBLE_EQ(Number("getAttr a.tx"), 4.0);
    Run("undo");
    EXPECT_DOUBLE_EQ(Number("getAttr a.tx"), 0.0);
    Run("undo");
    EXPECT_TRUE(text("ls a").empty());
}

TEST_F(BuiltinsFixture, ParentKeepsTheWorldPlacementUnlessRelativeAndWorldMovesBack) {
    Run("createNode transform -n base; setAttr base.t 10 0 0; setAttr base.sx 2;"
        "createNode transform -n item; setAttr item.t 14 0 0");
    EXPECT_EQ(text("parent item base"), "item");
    EXPECT_DOUBLE_EQ(Number("getAttr item.tx"), 2.0) << "(14 - 10) / 2 keeps the world position";
    EXPECT_DOUBLE_EQ(Number("getAttr item.sx"), 0.5);
    Run("parent -w item");
    EXPECT_NEAR(Number("getAttr item.tx"), 14.0, 1e-9);
    EXPECT_NEAR(Number("getAttr item.sx"), 1.0, 1e-9);
    Run("parent -r item base");
    EXPECT_NEAR(Number("getAttr item.tx"), 14.0, 1e-9) << "relative keeps the local values";
    EXPECT_EQ(text("ls -long item"), "|base|item");
}

TEST_F(BuiltinsFixture, DeleteTakesTheSelectionAndTheCurvesThatOnlyDroveTheDeletedNodes) {
    Run("createNode transform -n a; createNode animCurveTL -n a_tx; setAttr \".ktv[0:0]\" 1 5;"
        "connectAttr a_tx.o a.tx; createNode animCurveTL -n shared;"
        "createNode transform -n b; connectAttr shared.o a.ty; connectAttr shared.o b.ty; select -r a");
    EXPECT_EQ(text("ls -sl"), "a");
    Run("delete");
    EXPECT_TRUE(text("ls a a_tx").empty());
    EXPECT_EQ(text("ls shared b"), "shared b") << "a curve still driving b stays";
    Run("undo");
    EXPECT_EQ(text("ls a a_tx"), "a a_tx");
    EXPECT_DOUBLE_EQ(Number("getAttr a.tx"), 5.0);
}

TEST_F(BuiltinsFixture, KeysWrittenThroughTheApiReadBackAndFilterCurveRemovesTheFlipsUndoably) {
    Run("createNode transform -n spinner");
    MSelectionList list;
    list.add("spinner");
    MObject spinner;
    ASSERT_TRUE(list.getDependNode(0, spinner));
    MStatus status;
    const MPlug plug = MFnDependencyNode(spinner).findPlug("rz", &status);
    ASSERT_TRUE(status);
    MFnAnimCurve curve;
    curve.create(plug, nullptr, &status);
    ASSERT_TRUE(status);
    // The last two keys flip by half a turn and a hair: no whole turn shortens such a step.
    const double degrees[] = {170.0, -175.0, -160.0, 178.0, -2.0 - 1e-13, 178.0};
    for (int i = 0; i < 6; ++i)
        curve.addKey(MTime(i + 1.0, MTime::kFilm), degrees[i] * std::acos(-1.0) / 180.0,
                     MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear);
    EXPECT_NEAR(Number("getAttr -t 2 spinner.rz"), -175.0, 1e-9);

    const std::string before = Snapshot();
    Run("filterCurve " + curve.name().str());
    // Each key moves by whole turns to the value nearest the key before it.
    EXPECT_NEAR(Number("getAttr -t 2 spinner.rz"), 185.0, 1e-9);
    EXPECT_NEAR(Number("getAttr -t 3 spinner.rz"), 200.0, 1e-9);
    EXPECT_NEAR(Number("getAttr -t 4 spinner.rz"), 178.0, 1e-9);
    EXPECT_NEAR(Number("getAttr -t 5 spinner.rz"), -2.0, 1e-9);
    EXPECT_NEAR(Number("getAttr -t 6 spinner.rz"), 178.0, 1e-9);
    Run("undo");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(BuiltinsFixture, ErrorsNameTheCommandAndLineStopTheScriptAndLeaveNothingHalfDone) {
    std::string error =
        RunFailing("createNode transform -n first;\nsetAttr nosuch.tx 1;\ncreateNode transform -n second;");
    EXPECT_NE(error.find("line 2: setAttr: "), std::string::npos) << error;
    EXPECT_NE(error.find("No object matches name: nosuch.tx"), std::string::npos) << error;
    EXPECT_EQ(text("ls first second"), "first") << "commands before the error stay, none after it runs";

    EXPECT_NE(RunFailing("createNode noSuchType").find("Unknown object type: noSuchType"), std::string::npos);
    EXPECT_NE(RunFailing("createNode transform -n x -p missing").find("No object matches name: missing"),
              std::string::npos);
    EXPECT_TRUE(text("ls x").empty());

    // A failing command with several objects changes none of them.
    const std::string before = Snapshot();
    EXPECT_NE(RunFailing("createNode transform -n held; parent first held missing").find("missing"),
              std::string::npos);
    Run("undo");
    EXPECT_EQ(Snapshot(), before);

    Run("setAttr -l on first.tx");
    EXPECT_NE(RunFailing("setAttr first.tx 3").find("locked"), std::string::npos);
    Run("setAttr -l off first.tx; setAttr first.tx 3");

    Run("createNode transform -n other; connectAttr first.tx other.tx");
    EXPECT_NE(RunFailing("connectAttr first.ty other.tx").find("already has an incoming connection"),
              std::string::npos);
    Run("connectAttr -f first.ty other.tx");
    Run("setAttr first.ty 6");
    EXPECT_DOUBLE_EQ(Number("getAttr other.tx"), 6.0);
    EXPECT_NE(RunFailing("setAttr first.tx 1 2").find("do not fit"), std::string::npos);
    EXPECT_NE(RunFailing("deleteAttr first.tx").find("static"), std::string::npos);
}

TEST_F(BuiltinsFixture, SetsGatherMembersAndForcingAShapeIntoAShadingGroupTakesItOutOfTheOthers) {
    Run("createNode transform -n a; createNode mesh -n aShape -p a; createNode transform -n b;"
        "createNode shadingEngine -n redSG; sets -e -fe initialShadingGroup aShape");
    EXPECT_EQ(text("sets -n group1 a b"), "group1");
    const auto members = [](const char* set) {
        std::string names;
        for (const auto& node : Scene::Instance().findNode(set)->Members()) names += node->name() + " ";
        return names;
    };
    EXPECT_EQ(members("group1"), "a b ");
    Run("sets -e -fe redSG aShape");
    EXPECT_EQ(members("redSG"), "aShape ");
    EXPECT_EQ(members("initialShadingGroup"), "");
    Run("sets -e -rm group1 b");
    EXPECT_EQ(members("group1"), "a ");
    Run("undo; undo");
    EXPECT_EQ(members("initialShadingGroup"), "aShape ");
    EXPECT_EQ(members("group1"), "a b ");
}

TEST_F(BuiltinsFixture, CommandsRunThroughAModifierUndoWithItAndReachTheCommandCallbacks) {
    Run("createNode transform -n holder; createNode transform -n child");
    const std::string before = Snapshot();
    const MCallbackId id = vex::host::MessageHub::get().addCommandCallback(NoteCommand, nullptr);
    commandTexts.clear();

    MDagModifier modifier;
    ASSERT_TRUE(modifier.commandToExecute("parent child holder; select -cl; delete;"));
    EXPECT_FALSE(modifier.doIt()) << "delete with nothing selected fails, as in the real host";
    EXPECT_EQ(Snapshot(), before) << "the failed modifier takes its commands back";
    ASSERT_FALSE(commandTexts.empty());
    EXPECT_EQ(commandTexts.back(), "delete;");

    MDagModifier parenting;
    ASSERT_TRUE(parenting.commandToExecute("parent child holder"));
    ASSERT_TRUE(parenting.doIt());
    EXPECT_EQ(text("ls -long child"), "|holder|child");
    EXPECT_EQ(UndoQueue::get().size(), 2u) << "a modifier's commands are not kept by the undo queue";
    ASSERT_TRUE(parenting.undoIt());
    EXPECT_EQ(Snapshot(), before);
    vex::host::MessageHub::get().remove(id);
}
