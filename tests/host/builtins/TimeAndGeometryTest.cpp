#include "host/scene/MeshData.h"
#include "host/scene/MessageHub.h"
#include "tests/host/builtins/BuiltinsFixture.h"

#include <cmath>

using vex::host::MessageHub;
using vex::host::Scene;
using vex::host::Timeline;

namespace {

int timeChanges = 0;
std::vector<bool> playing;

void countTimeChange(void*) {
    ++timeChanges;
}

void notePlaying(bool state, void*) {
    playing.push_back(state);
}

} // namespace

TEST_F(BuiltinsFixture, CurrentTimeMovesFiresTimeChangedAndUndoesWhilePlayFiresPlayingBack) {
    const MCallbackId timeId = MessageHub::get().addEventCallback("timeChanged", countTimeChange, nullptr);
    const MCallbackId playId = MessageHub::get().addConditionCallback("playingBack", notePlaying, nullptr);
    timeChanges = 0;
    playing.clear();

    EXPECT_DOUBLE_EQ(number("currentTime 12"), 12.0);
    EXPECT_DOUBLE_EQ(Scene::instance().currentTime(), 0.5) << "12 film frames";
    EXPECT_EQ(timeChanges, 1);
    run("currentTime -e 18");
    EXPECT_DOUBLE_EQ(number("currentTime -q"), 18.0);
    run("undo");
    EXPECT_DOUBLE_EQ(number("currentTime -q"), 12.0);
    EXPECT_EQ(timeChanges, 3) << "undo moves the time too";

    run("playbackOptions -min 5 -max 50 -ast 1 -aet 60");
    EXPECT_DOUBLE_EQ(number("playbackOptions -q -min"), 5.0);
    EXPECT_DOUBLE_EQ(number("playbackOptions -q -max"), 50.0);
    EXPECT_DOUBLE_EQ(number("playbackOptions -q -aet"), 60.0);
    EXPECT_DOUBLE_EQ(Timeline::instance().maxTime(), 50.0 / 24.0);

    run("play -st true");
    EXPECT_EQ(number("play -q -st"), 1);
    run("play -st false");
    EXPECT_EQ(number("play -q -st"), 0);
    EXPECT_EQ(playing, (std::vector<bool>{true, false}));
    MessageHub::get().remove(timeId);
    MessageHub::get().remove(playId);
}

TEST_F(BuiltinsFixture, UnitsChangeWhatScriptNumbersMeanButNotWhatTheSceneStores) {
    EXPECT_EQ(text("currentUnit -q -l"), "cm");
    EXPECT_EQ(text("currentUnit -q -a -f"), "degree");
    run("createNode transform -n box; currentUnit -l m -t ntsc; setAttr box.tx 1.5; setAttr box.rx 180");
    EXPECT_EQ(text("currentUnit -q -linear"), "m");
    EXPECT_EQ(text("currentUnit -q -t"), "ntsc");
    EXPECT_DOUBLE_EQ(number("getAttr box.tx"), 1.5);
    run("currentUnit -l mm -a rad");
    EXPECT_DOUBLE_EQ(number("getAttr box.tx"), 1500.0);
    EXPECT_NEAR(number("getAttr box.rx"), std::acos(-1.0), 1e-12);
    run("currentTime 30");
    EXPECT_DOUBLE_EQ(Scene::instance().currentTime(), 1.0) << "30 NTSC frames";
    EXPECT_NE(runFailing("currentUnit -l parsec").find("Unknown unit: parsec"), std::string::npos);
    EXPECT_EQ(text("currentUnit -q -l"), "mm");

    EXPECT_EQ(text("upAxis -q -ax"), "y");
    run("upAxis -ax z");
    EXPECT_FALSE(Scene::instance().isYAxisUp());
    EXPECT_EQ(text("upAxis -q -axis"), "z");
}

TEST_F(BuiltinsFixture, PolyTriangulateSplitsEveryPolygonUndoablyAndPolySoftEdgeChecksItsTarget) {
    run("createNode transform -n quad; createNode mesh -n quadShape -p quad;"
        "setAttr -s 5 \".vt[0:4]\" 0 0 0 1 0 0 1 1 0 0 1 0 2 0 0;"
        "setAttr -s 6 \".ed[0:5]\" 0 1 0 1 2 0 2 3 0 3 0 0 1 4 0 4 2 0;"
        "setAttr -s 2 \".fc[0:1]\" -type \"polyFaces\" f 4 0 1 2 3 f 3 4 5 -2");
    const auto meshOf = [] {
        auto node = Scene::instance().findNode("quadShape");
        const auto value = node->storedValue(*node->findAttribute("outMesh"));
        return std::dynamic_pointer_cast<const vex::host::MeshData>(std::get<vex::host::DataPtr>(value));
    };
    ASSERT_EQ(meshOf()->numPolygons(), 2);
    EXPECT_EQ(meshOf()->polygonVertices(1), (std::vector<int>{1, 4, 2}));

    run("polySoftEdge -a 0 -ch 0 quadShape.f[0:1]");
    run("polyTriangulate -ch 0 quad");
    EXPECT_EQ(meshOf()->numPolygons(), 3);
    EXPECT_EQ(meshOf()->numVertices(), 5);
    run("undo");
    EXPECT_EQ(meshOf()->numPolygons(), 2);
    EXPECT_NE(runFailing("polyTriangulate -ch 1 persp").find("is not a mesh"), std::string::npos);
    EXPECT_NE(runFailing("polySoftEdge -a 200 quad").find("between 0 and 180"), std::string::npos);
}

TEST_F(BuiltinsFixture, SceneFileRecordsAndAttributesAddedByScriptsReadBack) {
    run("requires maya \"2014\"; fileInfo \"application\" \"torva-host\"; fileInfo \"application\" \"maya\"");
    EXPECT_EQ(text("fileInfo -q application"), "maya");

    run("createNode transform -n tagged;"
        "addAttr -ci true -h true -sn \"VXB_tag\" -ln \"VXB_tag\" -dt \"string\";"
        "setAttr -type \"string\" \".VXB_tag\" \"<VXB_tag><name>a</name></VXB_tag>\";"
        "addAttr -ln weights -dt \"stringArray\" tagged;"
        "setAttr tagged.weights -type \"stringArray\" 2 \"a b\" c;"
        "addAttr -ln offset -at double3 tagged;"
        "setAttr tagged.offset 1 2 3;"
        "addAttr -ln pose -dt \"matrix\" tagged;"
        "setAttr tagged.pose -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1;"
        "addAttr -ln count -at long -dv 4 tagged");
    EXPECT_EQ(text("getAttr tagged.VXB_tag"), "<VXB_tag><name>a</name></VXB_tag>");
    EXPECT_TRUE(Scene::instance().findNode("tagged")->findAttribute("VXB_tag")->hidden);
    const auto weights = run("getAttr tagged.weights");
    EXPECT_EQ(weights, vex::host::command::Value::StringArray({"a b", "c"}));
    EXPECT_EQ(text("getAttr tagged.offset"), "1 2 3");
    EXPECT_EQ(text("getAttr tagged.offsetY"), "2");
    EXPECT_EQ(text("getAttr tagged.pose"), "1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1");
    EXPECT_EQ(number("getAttr tagged.count"), 4);
    EXPECT_NE(runFailing("addAttr -ln count -at long tagged").find("already has an attribute"),
              std::string::npos);
    run("deleteAttr tagged.count; deleteAttr -at offset tagged");
    EXPECT_NE(runFailing("getAttr tagged.count").find("No object matches name"), std::string::npos);
    run("undo");
    EXPECT_EQ(text("getAttr tagged.offset"), "1 2 3");
}
