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

void CountTimeChange(void*) {
    ++timeChanges;
}

void NotePlaying(bool state, void*) {
    playing.push_back(state);
}

} // namespace

TEST_F(BuiltinsFixture, CurrentTimeMovesFiresTimeChangedAndUndoesWhilePlayFiresPlayingBack) {
    const MCallbackId timeId = MessageHub::get().AddEventCallback("timeChanged", CountTimeChange, nullptr);
    const MCallbackId playId = MessageHub::get().addConditionCallback("playingBack", NotePlaying, nullptr);
    timeChanges = 0;
    playing.clear();

    EXPECT_DOUBLE_EQ(Number("currentTime 12"), 12.0);
    EXPECT_DOUBLE_EQ(Scene::Instance().currentTime(), 0.5) << "12 film frames";
    EXPECT_EQ(timeChanges, 1);
    Run("currentTime -e 18");
    EXPECT_DOUBLE_EQ(Number("currentTime -q"), 18.0);
    Run("undo");
    EXPECT_DOUBLE_EQ(Number("currentTime -q"), 12.0);
    EXPECT_EQ(timeChanges, 3) << "undo moves the time too";

    Run("playbackOptions -min 5 -max 50 -ast 1 -aet 60");
    EXPECT_DOUBLE_EQ(Number("playbackOptions -q -min"), 5.0);
    EXPECT_DOUBLE_EQ(Number("playbackOptions -q -max"), 50.0);
    EXPECT_DOUBLE_EQ(Number("playbackOptions -q -aet"), 60.0);
    EXPECT_DOUBLE_EQ(Timeline::Instance().maxTime(), 50.0 / 24.0);

    Run("play -st true");
    EXPECT_EQ(Number("play -q -st"), 1);
    Run("play -st false");
    EXPECT_EQ(Number("play -q -st"), 0);
    EXPECT_EQ(playing, (std::vector<bool>{true, false}));
    MessageHub::get().remove(timeId);
    MessageHub::get().remove(playId);
}

TEST_F(BuiltinsFixture, UnitsChangeWhatScriptNumbersMeanButNotWhatTheSceneStores) {
    EXPECT_EQ(text("currentUnit -q -l"), "cm");
    EXPECT_EQ(text("currentUnit -q -a -f"), "degree");
    Run("createNode transform -n box; currentUnit -l m -t ntsc; setAttr box.tx 1.5; setAttr box.rx 180");
    EXPECT_EQ(text("currentUnit -q -linear"), "m");
    EXPECT_EQ(text("currentUnit -q -t"), "ntsc");
    EXPECT_DOUBLE_EQ(Number("getAttr box.tx"), 1.5);
    Run("currentUnit -l mm -a rad");
    EXPECT_DOUBLE_EQ(Number("getAttr box.tx"), 1500.0);
    EXPECT_NEAR(Number("getAttr box.rx"), std::acos(-1.0), 1e-12);
    Run("currentTime 30");
    EXPECT_DOUBLE_EQ(Scene::Instance().currentTime(), 1.0) << "30 NTSC frames";
    EXPECT_NE(RunFailing("currentUnit -l parsec").find("Unknown unit: parsec"), std::string::npos);
    EXPECT_EQ(text("currentUnit -q -l"), "mm");

    EXPECT_EQ(text("upAxis -q -ax"), "y");
    Run("upAxis -ax z");
    EXPECT_FALSE(Scene::Instance().isYAxisUp());
    EXPECT_EQ(text("upAxis -q -axis"), "z");
}

TEST_F(BuiltinsFixture, PolyTriangulateSplitsEveryPolygonUndoablyAndPolySoftEdgeChecksItsTarget) {
    Run("createNode transform -n quad; createNode mesh -n quadShape -p quad;"
        "setAttr -s 5 \".vt[0:4]\" 0 0 0 1 0 0 1 1 0 0 1 0 2 0 0;"
        "setAttr -s 6 \".ed[0:5]\" 0 1 0 1 2 0 2 3 0 3 0 0 1 4 0 4 2 0;"
        "setAttr -s 2 \".fc[0:1]\" -type \"polyFaces\" f 4 0 1 2 3 f 3 4 5 -2");
    const auto meshOf = [] {
        auto node = Scene::Instance().findNode("quadShape");
        const auto value = node->StoredValue(*node->FindAttribute("outMesh"));
        return std::dynamic_pointer_cast<const vex::host::MeshData>(std::get<vex::host::DataPtr>(value));
    };
    ASSERT_EQ(meshOf()->numPolygons(), 2);
    EXPECT_EQ(meshOf()->PolygonVertices(1), (std::vector<int>{1, 4, 2}));

    Run("polySoftEdge -a 0 -ch 0 quadShape.f[0:1]");
    Run("polyTriangulate -ch 0 quad");
    EXPECT_EQ(meshOf()->numPolygons(), 3);
    EXPECT_EQ(meshOf()->NumVertices(), 5);
    Run("undo");
    EXPECT_EQ(meshOf()->numPolygons(), 2);
    EXPECT_NE(RunFailing("polyTriangulate -ch 1 persp").find("is not a mesh"), std::string::npos);
    EXPECT_NE(RunFailing("polySoftEdge -a 200 quad").find("between 0 and 180"), std::string::npos);
}

TEST_F(BuiltinsFixture, SceneFileRecordsAndAttributesAddedByScriptsReadBack) {
    Run("requires maya \"2014\"; fileInfo \"application\" \"torva-host\"; fileInfo \"application\" \"maya\"");
    EXPECT_EQ(text("fileInfo -q application"), "maya");

    Run("createNode transform -n tagged;"
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
    EXPECT_TRUE(Scene::Instance().findNode("tagged")->FindAttribute("VXB_tag")->hidden);
    const auto weights = Run("getAttr tagged.weights");
    EXPECT_EQ(weights, vex::host::command::Value::StringArray({"a b", "c"}));
    EXPECT_EQ(text("getAttr tagged.offset"), "1 2 3");
    EXPECT_EQ(text("getAttr tagged.offsetY"), "2");
    EXPECT_EQ(text("getAttr tagged.pose"), "1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1");
    EXPECT_EQ(Number("getAttr tagged.count"), 4);
    EXPECT_NE(RunFailing("addAttr -ln count -at long tagged").find("already has an attribute"),
              std::string::npos);
    Run("deleteAttr tagged.count; deleteAttr -at offset tagged");
    EXPECT_NE(RunFailing("getAttr tagged.count").find("No object matches name"), std::string::npos);
    Run("undo");
    EXPECT_EQ(text("getAttr tagged.offset"), "1 2 3");
}
