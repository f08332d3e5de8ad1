#include "host/builtins/SessionState.h"
#include "host/scene/AnimCurveData.h"
#include "host/scene/OpaqueNodeTypes.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/Timeline.h"
#include "tests/host/file/SceneFileFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using vex::host::AnimCurveData;
using vex::host::NodePtr;
using vex::host::OpaqueNodeTypes;
using vex::host::Scene;
using vex::host::ScriptEditor;

// The scenes are written the way the host this one stands in for saves them, one in the style of
// each generation of its files.
const char* const kScenes[] = {"truck2014.ma", "crane2018.ma"};

std::string ScenePath(const std::string& name) {
    return "host/file/scenes/" + name;
}

NodePtr Find(const std::string& name) {
    return Scene::Instance().findNode(name);
}

// What the host kept of a node's lines in the file.
vex::host::builtins::KeptText KeptOf(const std::string& name) {
    const auto* kept = vex::host::builtins::SessionState::get().FindKept(*Find(name));
    return kept ? *kept : vex::host::builtins::KeptText();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// The text with the lines that differ between two saves of the same scene taken out: the time of the
// save and the file's name.
std::string WithoutStamp(const std::string& text) {
    std::string out;
    for (const auto& line : Lines(text))
        if (line.rfind("//Last modified:", 0) != 0 && line.rfind("//Name:", 0) != 0 &&
            line.rfind("// End of", 0) != 0)
            out += line + "\n";
    return out;
}

std::size_t WarningsSince(std::size_t first) {
    const auto& lines = ScriptEditor::get().Lines();
    return static_cast<std::size_t>(std::count_if(
        lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
        [](const ScriptEditor::Line& line) { return line.kind == ScriptEditor::Kind::kWarning; }));
}

class MayaSceneFilesTest : public SceneFileFixture {
protected:
    ~MayaSceneFilesTest() override { Run("currentUnit -l \"cm\" -a \"deg\" -t \"film\""); }
};

TEST_F(MayaSceneFilesTest, The2014SceneOpensWithItsNodesValuesKeysAndRange) {
    const std::size_t lines = ScriptEditor::get().Lines().size();
    ASSERT_TRUE(MFileIO::open(ScenePath("truck2014.ma").c_str()));
    EXPECT_EQ(WarningsSince(lines), 0u) << "a whole file of known form reads quietly";

    // The shared cameras are the scene's own, with the file's values.
    EXPECT_EQ(Find("persp1"), nullptr);
    EXPECT_EQ(Run("getAttr persp.tx"), "31.5");
    EXPECT_EQ(Run("getAttr topShape.o"), "1");
    EXPECT_NEAR(std::stod(Run("getAttr truck.ry")), 15.0, 1e-9);
    EXPECT_EQ(Run("getAttr truck.tz"), "-4") << "driven by its curve at frame 1";

    // Types the host does not know become opaque nodes in their places.
    for (const char* name :
         {"lightLinker1", "polyCube1", "chassis", "axle", "driverShape", "defaultRenderLayer"})
        ASSERT_NE(Find(name), nullptr) << name;
    EXPECT_TRUE(OpaqueNodeTypes::Contains(Find("chassis")->type()));
    EXPECT_EQ(Find("chassis")->type().name(), "joint");
    EXPECT_EQ(Find("axle")->parent()->name(), "chassis");
    EXPECT_EQ(Find("driverShape")->parent()->name(), "driver");
    EXPECT_FALSE(Find("lightLinker1")->IsDag());
    EXPECT_EQ(Find("sceneConfigurationScriptNode"), nullptr) << "the range is read, the node made anew";
    EXPECT_NE(Find("uiConfigurationScriptNode"), nullptr);

    const auto keys = AnimCurveData::Of(*Find("truck_translateZ"))->Keys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_DOUBLE_EQ(keys[1].time, 48.0 / 24.0);
    EXPECT_DOUBLE_EQ(keys[2].value, 30.5);
    EXPECT_EQ(Run("playbackOptions -q -max"), "96");
    EXPECT_EQ(Run("playbackOptions -q -aet"), "120");
    EXPECT_TRUE(Find("initialShadingGroup")->IsMember(*Find("truckShape")));
    EXPECT_EQ(Run("fileInfo -q \"cutIdentifier\""), "201303010241-864206");

    // What the host does not interpret stays with the node it is about, or with the scene.
    const auto& camera = KeptOf("perspShape").lines;
    EXPECT_NE(std::find(camera.begin(), camera.end(), "\tsetAttr \".coi\" 45.128441839305622;"),
              camera.end());
    const auto& scene = vex::host::builtins::SessionState::get().KeptLines();
    EXPECT_NE(std::find(scene.begin(), scene.end(), "select -ne :time1;"), scene.end());
    // The cube's history node is one the host knows: its output feeds the shape.
    EXPECT_EQ(Run("listConnections -s 1 -d 0 -p 1 truckShape.i"), "polyCube1.output");
}

TEST_F(MayaSceneFilesTest, The2018SceneOpensInItsUnitsWithUuidsLocksAndMemberships) {
    ASSERT_TRUE(MFileIO::open(ScenePath("crane2018.ma").c_str()));
    EXPECT_EQ(Run("currentUnit -q -l"), "m");
    EXPECT_EQ(Run("currentUnit -q -t"), "pal");
    // Lengths are read in the file's unit: 0.02 m is 2 cm.
    EXPECT_DOUBLE_EQ(std::get<double>(Find("crane")->StoredValue(*Find("crane")->FindAttribute("tx"))), 2.0);
    EXPECT_EQ(Run("getAttr crane.reach"), "2.5");
    EXPECT_NE(Fails("setAttr crane.sz 1").find("locked"), std::string::npos);
    EXPECT_TRUE(Find("glow1SG")->IsMember(*Find("craneShape")));
    EXPECT_TRUE(Find("craneParts")->IsMember(*Find("crane")));
    EXPECT_EQ(Run("playbackOptions -q -max"), "50");
    EXPECT_EQ(Run("fileInfo -q \"license\""), "education");

    const auto& crane = KeptOf("crane").lines;
    ASSERT_FALSE(crane.empty());
    EXPECT_EQ(crane.front(), "\trename -uid \"6F2A9C10-4A3E-11E9-8F4B-0B2B1D7A4C10\";");
    const auto& curve = KeptOf("crane_translateY").lines;
    EXPECT_EQ(curve.back(), "lockNode -l 0 -lu 1;");
    EXPECT_TRUE(KeptOf("lightLinker1").shared);

    // Enum names and number ranges are written back with the attributes.
    ASSERT_TRUE(MFileIO::saveAs(path("crane.ma").c_str()));
    const std::string written = ReadFile(path("crane.ma"));
    EXPECT_NE(written.find("-sn \"reach\" -ln \"reach\" -min 0 -max 10 -at \"double\""), std::string::npos)
        << written;
    EXPECT_NE(written.find("-sn \"mode\" -ln \"mode\" -min 0 -max 2 -en \"idle:lift:swing\" -at \"enum\""),
              std::string::npos);
    EXPECT_EQ(written.find("-ln \"reach\" -at"), std::string::npos) << "no second declaration";
}

TEST_F(MayaSceneFilesTest, OpeningAnotherSceneForgetsTheKeptTextAndLocksOfTheLastOnesNodes) {
    ASSERT_TRUE(MFileIO::open(ScenePath("crane2018.ma").c_str()));
    const NodePtr crane = Find("crane");
    const auto& session = vex::host::builtins::SessionState::get();
    ASSERT_NE(session.FindKept(*crane), nullptr);
    ASSERT_TRUE(session.IsLocked(*crane, *crane->FindAttribute("sz")));

    ASSERT_TRUE(MFileIO::open(ScenePath("truck2014.ma").c_str()));
    EXPECT_EQ(Find("crane"), nullptr);
    EXPECT_EQ(session.FindKept(*crane), nullptr) << "a session opening scene after scene would keep them all";
    EXPECT_FALSE(session.IsLocked(*crane, *crane->FindAttribute("sz")));
}

TEST_F(MayaSceneFilesTest, EachSceneWrittenReadAndWrittenAgainGivesTheSameTextAndKeepsItsLines) {
    for (const char* name : kScenes) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(MFileIO::open(ScenePath(name).c_str()));
        const std::string first = path("first.ma"), second = path("second.ma");
        ASSERT_TRUE(MFileIO::saveAs(first.c_str()));
        ASSERT_TRUE(MFileIO::open(first.c_str()));
        ASSERT_TRUE(MFileIO::saveAs(second.c_str()));
        const std::string written = ReadFile(first);
        EXPECT_EQ(WithoutStamp(ReadFile(second)), WithoutStamp(written));

        // Every line the host keeps rather than interprets is written back as the file had it: the
        // lines of nodes it does not know, of attributes it does not know, and of the scene's own
        // settings, strings over several lines among them.
        const std::string original = ReadFile(ScenePath(name));
        const std::vector<std::string> kept = {
            "\tsetAttr \".imn\" -type \"string\" \"persp\";",
            "select -ne :time1;\n\tsetAttr \".o\" 1;\n\tsetAttr \".unw\" 1;",
            "relationship \"link\" \":lightLinker1\" \":initialShadingGroup.message\" "
            "\":defaultLightSet.message\";",
            "connectAttr \"layerManager.dli[0]\" \"defaultLayer.id\";",
            "createNode renderLayer -n \"defaultRenderLayer\";",
        };
        for (const auto& text : kept) {
            ASSERT_NE(original.find(text), std::string::npos) << text;
            EXPECT_NE(written.find(text), std::string::npos) << text;
        }
        // (The scene configuration node is written anew, without the uuid it had.)
        for (const auto& line : Lines(original)) {
            if (line.find("6F2A9C1B") == std::string::npos &&
                (line.find("uvsn") != std::string::npos || line.find("rename -uid") != std::string::npos ||
                 line.find("dataStructure") != std::string::npos ||
                 line.find("\"rig") != std::string::npos)) {
                EXPECT_NE(written.find(line + "\n"), std::string::npos) << line;
            }
        }
    }
    // The requirements of plug-ins the host does not have stay in the file.
    EXPECT_NE(ReadFile(path("first.ma")).find("requires \"glowTools\" \"2.1\";\n"), std::string::npos);
    const std::string truck = ReadFile(ScenePath("truck2014.ma"));
    const auto script = truck.find("\tsetAttr \".b\" -type \"string\" (");
    ASSERT_NE(script, std::string::npos);
    ASSERT_TRUE(MFileIO::open(ScenePath("truck2014.ma").c_str()));
    ASSERT_TRUE(MFileIO::saveAs(path("truck.ma").c_str()));
    EXPECT_NE(ReadFile(path("truck.ma")).find(truck.substr(script, truck.find(";\n", script) - script)),
              std::string::npos);
}

TEST_F(MayaSceneFilesTest, AnImportLeavesTheScenesSharedNodesAsTheyAre) {
    Run("setAttr persp.tx 3");
    ASSERT_TRUE(MFileIO::importFile(ScenePath("crane2018.ma").c_str(), nullptr, false, "lift"));
    EXPECT_EQ(Run("getAttr persp.tx"), "3");
    EXPECT_EQ(Find("lift:persp"), nullptr);
    EXPECT_EQ(Find("lift:crane")->Children().front()->name(), "lift:craneShape");
    EXPECT_TRUE(Find("lift:glow1SG")->IsMember(*Find("lift:craneShape")));
    EXPECT_EQ(Run("currentUnit -q -l"), "cm") << "an import keeps the scene's units";
}

TEST_F(MayaSceneFilesTest, ASceneCutShortOpensWithAWarning) {
    const std::string whole = ReadFile(ScenePath("truck2014.ma"));
    const std::string cut = path("cut.ma");
    WriteFile(cut, whole.substr(0, whole.find("createNode lightLinker")));
    const std::size_t lines = ScriptEditor::get().Lines().size();
    ASSERT_TRUE(MFileIO::open(cut.c_str()));
    EXPECT_EQ(WarningsSince(lines), 1u);
    EXPECT_NE(ScriptEditor::get().Last(ScriptEditor::Kind::kWarning).find("incomplete"), std::string::npos);
    EXPECT_NE(Find("axle"), nullptr);
    EXPECT_EQ(Find("lightLinker1"), nullptr);
}

} // namespace
