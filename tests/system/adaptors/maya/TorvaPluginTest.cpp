#include "system/adaptors/maya/TorvaPlugin.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/NodeTag.h"
#include "core/RecordManager.h"
#include "host/file/FileOperations.h"
#include "host/scene/ErrorOutput.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Plugin.h"
#include "host/scene/Scene.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"
#include "platform/win32/Clock.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/SceneGather.h"
#include "system/adaptors/maya/SceneStorage.h"
#include "system/adaptors/maya/Shelf.h"
#include "system/adaptors/maya/TorvaPluginManager.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/system/adaptors/maya/TorvaPluginFixture.h"

#include <gtest/gtest.h>
#include <maya/MDistance.h>
#include <maya/MFileIO.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MStringArray.h>
#include <maya/MTime.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vex::orb::adaptor::maya {
namespace {

using TorvaPluginTest = test::TorvaPluginFixture;

using platform::win32::MessageBoxRecorder;

TEST_F(TorvaPluginTest, LoadingAddsOneShelfTabAndTheCommandsAndUnloadingTakesThemAway) {
    EXPECT_EQ(Number("layout -exists TorvaPanel"), 1);
    // A second run of the shelf script (a second load while Maya runs) finds the tab there.
    ASSERT_TRUE(Runs(Shelf::CreateMel("icon.xpm")));
    MStringArray tabs;
    MGlobal::executeCommand("shelfTabLayout -q -childArray $gShelfTopLevel", tabs);
    int panels = 0;
    for (unsigned i = 0; i < tabs.length(); ++i) panels += tabs[i] == "TorvaPanel" ? 1 : 0;
    EXPECT_EQ(panels, 1);
    EXPECT_TRUE(Runs("TorvaIncSlowFactorCmd"));

    Unload();
    EXPECT_EQ(Number("layout -exists TorvaPanel"), 0);
    EXPECT_FALSE(Runs("TorvaIncSlowFactorCmd"));
    ASSERT_TRUE(Load());
}

TEST_F(TorvaPluginTest, CommandsCreateCloneRenameSelectAndDeleteAndReportTheirUsage) {
    EXPECT_EQ(Text("TorvaCreateToolCmd -name RuzovuZediziViz"), "RuzovuZediziViz_01");
    EXPECT_EQ(Text("TorvaCreateToolCmd -name NoSuchTool"), "");
    EXPECT_EQ(Text("TorvaCreateToolCmd"), "");
    EXPECT_EQ(Text("TorvaCloneToolCmd -n RuzovuZediziViz_01"), "RuzovuZediziViz_02");

    EXPECT_TRUE(Runs("TorvaSelectToolCmd -n RuzovuZediziViz_01 1"));
    MStringArray selected;
    MGlobal::executeCommand("ls -selection", selected);
    EXPECT_EQ(selected.length(), 2u);
    // Without the integer the instance is deselected.
    EXPECT_TRUE(Runs("TorvaSelectToolCmd -n RuzovuZediziViz_01"));
    MGlobal::executeCommand("ls -selection", selected);
    EXPECT_EQ(selected.length(), 0u);

    EXPECT_TRUE(Runs("TorvaRenameToolCmd -n RuzovuZediziViz_02 Chase"));
    EXPECT_NE(Core().FindInstance("Chase"), nullptr);
    EXPECT_TRUE(Runs("TorvaDeleteToolCmd -n Chase"));
    EXPECT_EQ(Core().FindInstance("Chase"), nullptr);
    EXPECT_TRUE(Runs("TorvaDeleteToolCmd -n NobodyOfThatName")) << "an unknown instance changes nothing";

    errors_.clear();
    host::ScriptEditor::get().clear();
    EXPECT_FALSE(Runs("TorvaSelectToolCmd"));
    EXPECT_FALSE(Runs("TorvaRenameToolCmd -n RuzovuZediziViz_01"));
    EXPECT_FALSE(Runs("TorvaLoadProfileCmd -n RuzovuZediziViz_01"));
    EXPECT_FALSE(Runs("TorvaLoadProfileCmd"));
    // A failing command's text reaches the script editor (or the error output, outside a command).
    std::string all;
    for (const std::string& line : errors_) all += line + "\n";
    for (const auto& line : host::ScriptEditor::get().Lines()) all += line.text + "\n";
    for (const char* usage :
         {"Usage: TorvaSelectToolCmd -name \"nameOfTool\" 1 to select.",
          "Usage: TorvaRenameToolCmd -name \"nameOfTool\" \"newName\".",
          "Missing profile name. Usage: TorvaLoadProfileCmd -name \"nameOfTool\" \"profileFileName\" to "
          "load.",
          "Missing tool name. Usage: TorvaLoadProfileCmd -name \"nameOfTool\" \"profileFileName\" to load."})
        EXPECT_NE(all.find(usage), std::string::npos) << usage << "\n" << all;
}

TEST_F(TorvaPluginTest, TheSlowLevelStaysWithinOneToTen) {
    Core().SetSlowLevel(10);
    ASSERT_TRUE(Runs("TorvaIncSlowFactorCmd"));
    EXPECT_EQ(Core().GetSlowLevel(), 10);
    Core().SetSlowLevel(1);
    ASSERT_TRUE(Runs("TorvaDecSlowFactorCmd"));
    EXPECT_EQ(Core().GetSlowLevel(), 1);
    ASSERT_TRUE(Runs("TorvaIncSlowFactorCmd"));
    EXPECT_EQ(Core().GetSlowLevel(), 2);
}

TEST_F(TorvaPluginTest, ASavedTakeOpensWithEveryInstanceAndKeyAndKeepsNoStorageNodeOrTag) {
    const char* const tools[] = {"RuzovuZediziViz", "VuzaZaderaRav", "Gyro", "VodiDOva", "Sinusoid", "Group"};
    for (const char* tool : tools)
        ASSERT_EQ(Text(std::string("TorvaCreateToolCmd -n ") + tool), tool + std::string("_01"));
    // The follow cameras' target, keyed by the animator: 1 at the start, 5 a second later.
    ASSERT_TRUE(Runs("createNode animCurveTL -n target_tx; setAttr -s 2 \".ktv[0:1]\" 0 1 1 5;"
                     "connectAttr target_tx.o RuzovuZediziViz_01_AttachedCamTransform.tx;"));
    RecordTake(1.0);
    const auto keys = SceneKeys();
    ASSERT_GT(keys.size(), 9u) << "the take keyed the tools' nodes";
    std::vector<std::string> descriptions;
    for (const char* tool : tools) descriptions.push_back(Description(tool + std::string("_01")));

    const std::string path = Scene("round.ma");
    ASSERT_TRUE(MFileIO::saveAs(MString(path.c_str())));
    EXPECT_EQ(CountOfType("StorageNode"), 0) << "the storage node lives only while the file is written";
    const std::string file = core::test::ReadFile(path);
    EXPECT_NE(file.find("createNode StorageNode"), std::string::npos);
    EXPECT_NE(file.find("VXB_tag"), std::string::npos);

    ASSERT_TRUE(MFileIO::newFile(true));
    EXPECT_EQ(Core().FindInstance("RuzovuZediziViz_01"), nullptr);
    MessageBoxRecorder boxes;
    ASSERT_TRUE(MFileIO::open(MString(path.c_str()), nullptr, true));
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
    for (const char* tool : tools) ASSERT_NE(Core().FindInstance(tool + std::string("_01")), nullptr) << tool;
    EXPECT_EQ(CountOfType("StorageNode"), 0);
    EXPECT_EQ(CountTagged(), 0) << "the tags live in the file, not in the opened scene";
    for (size_t i = 0; i < std::size(tools); ++i)
        EXPECT_EQ(Description(tools[i] + std::string("_01")), descriptions[i]) << tools[i];
    EXPECT_EQ(SceneKeys(), keys);
}

TEST_F(TorvaPluginTest, ABrokenOrForeignStateOpensTheSceneWithAMessageAndKeepsWhatReads) {
    const auto sceneWith = [&](const std::string& state) {
        return "//Maya ASCII 2014 scene\nrequires maya \"2014\";\ncreateNode transform -n \"keep\";\n"
               "createNode StorageNode -n \"StorageNode1\";\n\tsetAttr \".adaptorname\" -type \"string\" "
               "\"Maya 2014 Adaptor\";\n\tsetAttr \".adaptorstate\" -type \"string\" \"" +
               state + "\";\n";
    };
    util::xml::Element state(util::xml::Element::Kind::Tag, "VXB");
    util::xml::Element known(util::xml::Element::Kind::Tag, "VXB_Plugin");
    known.AddTextChild("type", "Group");
    known.AddTextChild("name", "Kept");
    util::xml::Element foreign(util::xml::Element::Kind::Tag, "VXB_Plugin");
    foreign.AddTextChild("type", "NotInstalled");
    foreign.AddTextChild("name", "Lost");
    state.AddChild(known);
    state.AddChild(foreign);
    const std::pair<std::string, std::string> cases[] = {
        {"not base64 at all!", "not Base64"},
        {SceneStorage::Encode(util::xml::Element(util::xml::Element::Kind::Text, "plain")) + "", "not XML"},
        {SceneStorage::Encode(state), "NotInstalled"},
    };
    for (const auto& [stored, expected] : cases) {
        const std::string path = Scene("broken.ma");
        core::test::WriteFile(path, sceneWith(stored));
        MessageBoxRecorder boxes;
        ASSERT_TRUE(MFileIO::open(MString(path.c_str()), nullptr, true)) << expected;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << expected;
        EXPECT_NE(boxes.Boxes()[0].text.find(expected), std::string::npos) << boxes.Boxes()[0].text;
        EXPECT_NE(host::Scene::Instance().findNode("keep"), nullptr);
        EXPECT_EQ(CountOfType("StorageNode"), 0);
    }
    EXPECT_NE(Core().FindInstance("Kept"), nullptr) << "the readable instance of the state is made";
    EXPECT_EQ(Core().FindInstance("Lost"), nullptr);
}

TEST_F(TorvaPluginTest, TaggedNodesWithoutAnInstanceAreReportedAndLeftUntagged) {
    const std::string path = Scene("orphans.ma");
    core::test::WriteFile(path, "//Maya ASCII 2014 scene\nrequires maya \"2014\";\n"
                                "createNode transform -n \"stray\";\n"
                                "\taddAttr -ci true -sn \"VXB_tag\" -ln \"VXB_tag\" -dt \"string\";\n"
                                "\tsetAttr \".VXB_tag\" -type \"string\" \"<VXB_tag><name>Gone</name>"
                                "<objectname>Cam</objectname></VXB_tag>\";\n");
    MessageBoxRecorder boxes;
    ASSERT_TRUE(MFileIO::open(MString(path.c_str()), nullptr, true));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, SceneGather::kTitle);
    EXPECT_EQ(boxes.Boxes()[0].text, std::string(SceneGather::kUnclaimed) + "stray\n");
    EXPECT_NE(host::Scene::Instance().findNode("stray"), nullptr);
    EXPECT_EQ(CountTagged(), 0);
}

TEST_F(TorvaPluginTest, TheStoredStateIsPaddedBase64ThatReadsBackByteForByte) {
    // "<VXB/>" is six bytes (no padding); a name of one more byte needs two "=", two more one "=".
    for (const char* name : {"VXB", "VXBa", "VXBab"}) {
        const util::xml::Element element(util::xml::Element::Kind::Tag, name);
        const std::string text = element.ToString();
        const std::string encoded = SceneStorage::Encode(element);
        const size_t padding = (3 - text.size() % 3) % 3;
        EXPECT_EQ(encoded.size() % 4, 0u);
        EXPECT_EQ(encoded.find('='), padding == 0 ? std::string::npos : encoded.size() - padding) << encoded;
        EXPECT_EQ(encoded.find('\n'), std::string::npos);
        util::xml::Element back;
        std::string reason;
        ASSERT_TRUE(SceneStorage::Decode(encoded, back, reason)) << reason;
        EXPECT_EQ(back.ToString(), text);
    }
}

TEST_F(TorvaPluginTest, DeletingTwoNodesOfAToolDeletesItOnceAndUndoGivesTheNodesBack) {
    ASSERT_EQ(Text("TorvaCreateToolCmd -n RuzovuZediziViz"), "RuzovuZediziViz_01");
    MessageBoxRecorder boxes;
    ASSERT_TRUE(MGlobal::executeCommand(
        "delete RuzovuZediziViz_01_FollowCamTransform RuzovuZediziViz_01_AttachedCamTransform", false, true));
    EXPECT_EQ(Core().FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_EQ(TorvaPluginManager::Instance().DeletedOwners(), 1u);
    EXPECT_EQ(TorvaPluginManager::Instance().DeletedNodeRecords(), 1u);

    ASSERT_TRUE(MGlobal::executeCommand("undo", false, false));
    ASSERT_TRUE(MGlobal::executeCommand("undo", false, false));
    core::Instance* back = Core().FindInstance("RuzovuZediziViz_01");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
    EXPECT_NE(host::Scene::Instance().findNode("RuzovuZediziViz_01_FollowCamTransform"), nullptr);
    std::vector<core::CoreNode*> nodes;
    core::NodeList out(&nodes);
    MayaAdaptorInterface::Instance().getNodesOf(back, out);
    EXPECT_EQ(nodes.size(), 2u) << "the re-made instance holds its nodes again";
    EXPECT_EQ(TorvaPluginManager::Instance().DeletedOwners(), 0u);
    EXPECT_EQ(TorvaPluginManager::Instance().DeletedNodeRecords(), 0u);
}

TEST_F(TorvaPluginTest, TheStartKeyIsBoundWhileLoadedAndTheRunKeysOnlyDuringATake) {
    EXPECT_EQ(Text("hotkey -q -name \"Space\" -ctl -alt"), "TorvaStartAnimationCmd");
    ASSERT_TRUE(Runs("nameCommand -ann zoom -c \"print 1\" zoomIn; hotkey -k \"+\" -name zoomIn;"));
    MayaAdaptorInterface& adaptor = MayaAdaptorInterface::Instance();
    adaptor.installRunHotkeys();
    EXPECT_EQ(Text("hotkey -q -name \"+\""), "TorvaIncSlowFactorCmd");
    EXPECT_EQ(Text("hotkey -q -name Dash"), "TorvaDecSlowFactorCmd");
    EXPECT_EQ(Text("hotkey -q -name \"Space\""), "TorvaStopAnimationCmd");
    adaptor.finishRecording();
    EXPECT_EQ(Text("hotkey -q -name \"+\""), "zoomIn") << "the animator's own binding comes back";
}

TEST_F(TorvaPluginTest, AFailedSaveLeavesNoStorageNodeInTheScene) {
    ASSERT_EQ(Text("TorvaCreateToolCmd -n Group"), "Group_01");
    // A folder where the file should be: the write fails after the plug-in made its storage node.
    const std::string path = Scene("taken.ma");
    std::filesystem::create_directories(path);
    EXPECT_FALSE(MFileIO::saveAs(MString(path.c_str())));
    EXPECT_EQ(CountOfType("StorageNode"), 0);
    EXPECT_NE(Core().FindInstance("Group_01"), nullptr);
}

// The instance tree the tags describe: children inside their parent by index; a parent chain that
// loops (hand-edited tags) keeps its records at the top instead of losing them.
TEST_F(TorvaPluginTest, TagsMakeTheInstanceTreeAndALoopOfParentsLosesNoInstance) {
    const auto tagged = [](const std::string& name, const std::string& parent, int index) {
        util::xml::Element master(util::xml::Element::Kind::Tag, "masternode");
        util::xml::Element description(util::xml::Element::Kind::Tag, "VXB_Plugin");
        description.AddTextChild("name", name);
        master.AddChild(description);
        master.AddTextChild("parent", parent);
        master.AddTextChild("childindex", std::to_string(index));
        SceneGather::Tagged tag{MObject(), core::NodeTag{name, "Cam"}.ToElement()};
        tag.tag.AddChild(master);
        return tag;
    };
    const util::xml::Element tree =
        SceneGather::BuildState({tagged("Second", "Rig", 1), tagged("Rig", "", 0), tagged("First", "Rig", 0),
                                 tagged("A", "B", 0), tagged("B", "A", 0)});
    std::vector<std::string> top;
    for (const util::xml::Element& child : tree.GetChildren()) top.push_back(child.GetChildText("name"));
    EXPECT_EQ(top, (std::vector<std::string>{"Rig", "A", "B"}));
    std::vector<std::string> below;
    for (const util::xml::Element& child : tree.GetChildren().front().GetChildren())
        if (child.IsTag() && child.GetName() == "VXB_Plugin") below.push_back(child.GetChildText("name"));
    EXPECT_EQ(below, (std::vector<std::string>{"First", "Second"}));
}

} // namespace
} // namespace vex::orb::adaptor::maya
