#include "host/scene/CommandRegistry.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/PluginManager.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <gtest/gtest.h>
#include <maya/MDGModifier.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>
#include <maya/MObject.h>
#include <maya/MTypeId.h>

#include <string>

namespace {

using vex::host::PluginManager;
using vex::host::ScriptEditor;

// The test plug-in (tests/host/plugin) registers the command hostTestAdd and the node type hostTestNode.
const std::string kPlugin = HOST_TEST_PLUGIN;
const std::string kFailingPlugin = HOST_FAILING_PLUGIN;
const MTypeId kNodeId(0x7f0a1, 0x01);

int Query(const char* command) {
    int value = -1;
    EXPECT_TRUE(MGlobal::executeCommand(command, value));
    return value;
}

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override { ScriptEditor::get().clear(); }
    void TearDown() override {
        for (const std::string& name : PluginManager::get().Names()) PluginManager::get().Unload(name);
    }
    static std::string LastError() { return ScriptEditor::get().Last(ScriptEditor::Kind::kError); }
};

TEST_F(PluginTest, LoadedPluginCommandRunsWithUndoAndRedo) {
    std::string name;
    ASSERT_TRUE(PluginManager::get().Load(kPlugin, &name)) << LastError();
    EXPECT_EQ(name, "libhost_test_plugin");
    MObject pluginObject = MFnPlugin::findPlugin(name.c_str());
    MFnPlugin plugin(pluginObject);
    EXPECT_EQ(plugin.vendor(), "Torva Labs tests");
    EXPECT_EQ(plugin.version(), "1.5");

    const int start = Query("hostTestAdd -q");
    int total = 0;
    ASSERT_TRUE(MGlobal::executeCommand("hostTestAdd -value 7", total, false, true));
    EXPECT_EQ(total, start + 7);
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(Query("hostTestAdd -query"), start);
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(Query("hostTestAdd -q"), start + 7);

    ASSERT_TRUE(PluginManager::get().Unload(name));
    EXPECT_EQ(vex::host::UndoQueue::get().size(), 0u)
        << "the plug-in's commands leave the undo queue with it";
    EXPECT_FALSE(MGlobal::executeCommand("hostTestAdd -q")) << "deregistered at unload";
    EXPECT_TRUE(MFnPlugin::findPlugin(name.c_str()).isNull());
}

TEST_F(PluginTest, NodeTypeLivesWithThePluginAndHoldsItWhileInUse) {
    std::string name;
    ASSERT_TRUE(PluginManager::get().Load(kPlugin, &name)) << LastError();
    ASSERT_NE(vex::host::NodeTypeRegistry::Instance().Find("hostTestNode"), nullptr);

    MDGModifier create;
    MStatus status;
    MObject node = create.createNode(kNodeId, &status);
    ASSERT_TRUE(status);
    ASSERT_TRUE(create.doIt());
    EXPECT_EQ(Query("hostTestAdd -nodes"), 1) << "the plug-in made the node's object";

    EXPECT_FALSE(PluginManager::get().Unload(name)) << "a node of its type is in the scene";
    EXPECT_NE(LastError().find("hostTestNode"), std::string::npos) << LastError();
    EXPECT_TRUE(MGlobal::executeCommand("hostTestAdd -q")) << "still loaded";

    MDGModifier remove;
    ASSERT_TRUE(remove.deleteNode(node));
    ASSERT_TRUE(remove.doIt());
    ASSERT_TRUE(PluginManager::get().Unload(name)) << LastError();
    EXPECT_EQ(vex::host::NodeTypeRegistry::Instance().Find("hostTestNode"), nullptr);
}

TEST_F(PluginTest, ScriptCommandsLoadAndUnloadByPathAndName) {
    MString name;
    ASSERT_TRUE(MGlobal::executeCommand(MString("loadPlugin \"") + kPlugin.c_str() + "\"", name))
        << LastError();
    EXPECT_EQ(name, "libhost_test_plugin");
    EXPECT_TRUE(MGlobal::executeCommand("hostTestAdd -q"));
    ASSERT_TRUE(MGlobal::executeCommand("unloadPlugin " + name));
    EXPECT_TRUE(PluginManager::get().Names().empty());
    EXPECT_FALSE(MGlobal::executeCommand("loadPlugin")) << "no file given";
}

TEST_F(PluginTest, LoadingTwiceRegistersOnce) {
    ASSERT_TRUE(PluginManager::get().Load(kPlugin));
    ASSERT_TRUE(PluginManager::get().Load(kPlugin));
    EXPECT_EQ(PluginManager::get().Names().size(), 1u);
    EXPECT_EQ(vex::host::CommandRegistry::get().OwnedBy("libhost_test_plugin"),
              (std::vector<std::string>{"hostTestAdd"}));
}

TEST_F(PluginTest, FailingInitializeIsUnloadedAndReported) {
    const MStatus status = PluginManager::get().Load(kFailingPlugin);
    EXPECT_FALSE(status);
    EXPECT_TRUE(PluginManager::get().Names().empty());
    EXPECT_EQ(vex::host::CommandRegistry::get().Find("hostTestAdd"), nullptr)
        << "what it registered before failing is taken back";
    EXPECT_NE(LastError().find("initializePlugin function failed"), std::string::npos) << LastError();
    EXPECT_NE(LastError().find("this plug-in always fails to initialise"), std::string::npos) << LastError();
}

TEST_F(PluginTest, MissingFileAndUnknownNameAreReported) {
    const MStatus missing = PluginManager::get().Load("/no/such/folder/plugin.so");
    EXPECT_EQ(missing, MStatus::kNotFound);
    EXPECT_EQ(LastError(), "Plug-in \"/no/such/folder/plugin.so\" was not found.");
    EXPECT_EQ(PluginManager::get().Unload("neverLoaded"), MStatus::kNotFound);
}

} // namespace
