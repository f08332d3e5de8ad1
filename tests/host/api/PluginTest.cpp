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

int query(const char* command) {
    int value = -1;
    EXPECT_TRUE(MGlobal::executeCommand(command, value));
    return value;
}

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override { ScriptEditor::get().clear(); }
    void TearDown() override {
        for (const std::string& name : PluginManager::get().names()) PluginManager::get().unload(name);
    }
    static std::string lastError() { return ScriptEditor::get().last(ScriptEditor::Kind::Error); }
};

TEST_F(PluginTest, LoadedPluginCommandRunsWithUndoAndRedo) {
    std::string name;
    ASSERT_TRUE(PluginManager::get().load(kPlugin, &name)) << lastError();
    EXPECT_EQ(name, "libhost_test_plugin");
    MObject pluginObject = MFnPlugin::findPlugin(name.c_str());
    MFnPlugin plugin(pluginObject);
    EXPECT_EQ(plugin.vendor(), "Torva Labs tests");
    EXPECT_EQ(plugin.version(), "1.5");

    const int start = query("hostTestAdd -q");
    int total = 0;
    ASSERT_TRUE(MGlobal::executeCommand("hostTestAdd -value 7", total, false, true));
    EXPECT_EQ(total, start + 7);
    ASSERT_TRUE(MGlobal::executeCommand("undo"));
    EXPECT_EQ(query("hostTestAdd -query"), start);
    ASSERT_TRUE(MGlobal::executeCommand("redo"));
    EXPECT_EQ(query("hostTestAdd -q"), start + 7);

    ASSERT_TRUE(PluginManager::get().unload(name));
    EXPECT_EQ(vex::host::UndoQueue::get().size(), 0u)
        << "the plug-in's commands leave the undo queue with it";
    EXPECT_FALSE(MGlobal::executeCommand("hostTestAdd -q")) << "deregistered at unload";
    EXPECT_TRUE(MFnPlugin::findPlugin(name.c_str()).isNull());
}

TEST_F(PluginTest, NodeTypeLivesWithThePluginAndHoldsItWhileInUse) {
    std::string name;
    ASSERT_TRUE(PluginManager::get().load(kPlugin, &name)) << lastError();
    ASSERT_NE(vex::host::NodeTypeRegistry::instance().find("hostTestNode"), nullptr);

    MDGModifier create;
    MStatus status;
    MObject node = create.createNode(kNodeId, &status);
    ASSERT_TRUE(status);
    ASSERT_TRUE(create.doIt());
    EXPECT_EQ(query("hostTestAdd -nodes"), 1) << "the plug-in made the node's object";

    EXPECT_FALSE(PluginManager::get().unload(name)) << "a node of its type is in the scene";
    EXPECT_NE(lastError().find("hostTestNode"), std::string::npos) << lastError();
    EXPECT_TRUE(MGlobal::executeCommand("hostTestAdd -q")) << "still loaded";

    MDGModifier remove;
    ASSERT_TRUE(remove.deleteNode(node));
    ASSERT_TRUE(remove.doIt());
    ASSERT_TRUE(PluginManager::get().unload(name)) << lastError();
    EXPECT_EQ(vex::host::NodeTypeRegistry::instance().find("hostTestNode"), nullptr);
}

TEST_F(PluginTest, ScriptCommandsLoadAndUnloadByPathAndName) {
    MString name;
    ASSERT_TRUE(MGlobal::executeCommand(MString("loadPlugin \"") + kPlugin.c_str() + "\"", name))
        << lastError();
    EXPECT_EQ(name, "libhost_test_plugin");
    EXPECT_TRUE(MGlobal::executeCommand("hostTestAdd -q"));
    ASSERT_TRUE(MGlobal::executeCommand("unloadPlugin " + name));
    EXPECT_TRUE(PluginManager::get().names().empty());
    EXPECT_FALSE(MGlobal::executeCommand("loadPlugin")) << "no file given";
}

TEST_F(PluginTest, LoadingTwiceRegistersOnce) {
    ASSERT_TRUE(PluginManager::get().load(kPlugin));
    ASSERT_TRUE(PluginManager::get().load(kPlugin));
    EXPECT_EQ(PluginManager::get().names().size(), 1u);
    EXPECT_EQ(vex::host::CommandRegistry::get().ownedBy("libhost_test_plugin"),
              (std::vector<std::string>{"hostTestAdd"}));
}

TEST_F(PluginTest, FailingInitializeIsUnloadedAndReported) {
    const MStatus status = PluginManager::get().load(kFailingPlugin);
    EXPECT_FALSE(status);
    EXPECT_TRUE(PluginManager::get().names().empty());
    EXPECT_EQ(vex::host::CommandRegistry::get().find("hostTestAdd"), nullptr)
        << "what it registered before failing is taken back";
    EXPECT_NE(lastError().find("initializePlugin function failed"), std::string::npos) << lastError();
    EXPECT_NE(lastError().find("this plug-in always fails to initialise"), std::string::npos) << lastError();
}

TEST_F(PluginTest, MissingFileAndUnknownNameAreReported) {
    const MStatus missing = PluginManager::get().load("/no/such/folder/plugin.so");
    EXPECT_EQ(missing, MStatus::kNotFound);
    EXPECT_EQ(lastError(), "Plug-in \"/no/such/folder/plugin.so\" was not found.");
    EXPECT_EQ(PluginManager::get().unload("neverLoaded"), MStatus::kNotFound);
}

} // namespace
