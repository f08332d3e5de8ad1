#include "host/scene/SceneFiles.h"
#include "host/scene/ScriptEditor.h"
#include "host/scene/UndoQueue.h"

#include <gtest/gtest.h>
#include <maya/MCallbackIdArray.h>
#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MDagModifier.h>
#include <maya/MDagPath.h>
#include <maya/MFileIO.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MSceneMessage.h>

#include <string>
#include <vector>

namespace {

// The scene's own edits reach the message callbacks: nodes added and removed, parents lost, and the
// scene messages around a new scene.
class SceneMessagesTest : public ::testing::Test {
public:
    void SetUp() override { ASSERT_TRUE(MFileIO::newFile(true)); }
    void TearDown() override { MMessage::removeCallbacks(ids); }

    static void NodeName(MObject& node, void* data) {
        static_cast<SceneMessagesTest*>(data)->calls.push_back(MFnDependencyNode(node).name().str());
    }
    static void LostParent(MDagPath& child, MDagPath& parent, void* data) {
        static_cast<SceneMessagesTest*>(data)->calls.push_back(child.partialPathName().str() + " left " +
                                                               parent.partialPathName().str());
    }

    MObject create(const char* type, const char* name, const MObject& parent = MObject::kNullObj) {
        MDagModifier modifier;
        MObject node = modifier.createNode(type, parent);
        modifier.renameNode(node, name);
        EXPECT_TRUE(modifier.doIt());
        return node;
    }

    MCallbackIdArray ids;
    std::vector<std::string> calls;
};

TEST_F(SceneMessagesTest, ModifierEditsFireNodeMessagesOfTheirType) {
    ids.append(MDGMessage::addNodeAddedCallback(NodeName, "transform", this));
    ids.append(MDGMessage::addNodeRemovedCallback(NodeName, "dependNode", this));

    MDagModifier modifier;
    MObject node = modifier.createNode("transform");
    ASSERT_TRUE(modifier.doIt());
    ASSERT_TRUE(modifier.undoIt()) << "undoing the creation removes the node";
    EXPECT_EQ(calls, (std::vector<std::string>{"transform1", "transform1"}));
}

TEST_F(SceneMessagesTest, ParentRemovedCallbackOnAPathSeesOnlyThatNode) {
    MObject groupA = create("transform", "groupA");
    MObject groupB = create("transform", "groupB");
    MObject ball = create("transform", "ball", groupA);
    MObject box = create("transform", "box", groupA);

    MDagPath ballPath;
    ASSERT_TRUE(MDagPath::getAPathTo(ball, ballPath));
    MStatus status;
    ids.append(MDagMessage::addParentRemovedCallback(ballPath, LostParent, this, &status));
    ASSERT_TRUE(status);

    MDagModifier move;
    move.reparentNode(box, groupB);
    move.reparentNode(ball, groupB);
    ASSERT_TRUE(move.doIt());
    EXPECT_EQ(calls, (std::vector<std::string>{"ball left groupA"}));

    MDagPath invalid;
    EXPECT_EQ(MDagMessage::addParentRemovedCallback(invalid, LostParent, this, &status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(SceneMessagesTest, CallbackRemovingItselfDuringNodeRemovalIsSafe) {
    struct Once {
        MCallbackId id = 0;
        int calls = 0;
    } once;
    once.id = MDGMessage::addNodeRemovedCallback(
        [](MObject&, void* data) {
            auto* o = static_cast<Once*>(data);
            ++o->calls;
            MMessage::removeCallback(o->id);
        },
        "dependNode", &once);
    MObject a = create("transform", "a");
    MObject b = create("transform", "b");
    MDagModifier remove;
    remove.deleteNode(a);
    remove.deleteNode(b);
    ASSERT_TRUE(remove.doIt());
    EXPECT_EQ(once.calls, 1);
}

TEST_F(SceneMessagesTest, NewSceneSendsItsMessagesAndEmptiesTheUndoQueue) {
    ids.append(MSceneMessage::addCallback(
        MSceneMessage::kBeforeNew,
        [](void* data) {
            auto* test = static_cast<SceneMessagesTest*>(data);
            test->calls.push_back(std::string("before new, newing ") +
                                  (MFileIO::isNewingFile() ? "yes" : "no"));
        },
        this));
    ids.append(MSceneMessage::addCallback(
        MSceneMessage::kAfterNew,
        [](void* data) {
            MSelectionList all;
            MGlobal::getSelectionListByName("ball", all);
            static_cast<SceneMessagesTest*>(data)->calls.push_back(
                "after new, ball " + std::string(all.length() ? "kept" : "gone"));
        },
        this));
    create("transform", "ball");
    ASSERT_TRUE(MGlobal::executeCommand("flushUndo"));
    ASSERT_TRUE(MFileIO::newFile(true));
    EXPECT_EQ(calls, (std::vector<std::string>{"before new, newing yes", "after new, ball gone"}));
    EXPECT_EQ(vex::host::UndoQueue::get().size(), 0u);
}

TEST_F(SceneMessagesTest, OpenAndSaveFailClearlyWithoutAFileFormat) {
    // The scene kernel without a file format: take it out for this test, whether or not one is plugged in.
    auto& files = vex::host::SceneFiles::get();
    const auto reader = files.GetReader();
    const auto writer = files.GetWriter();
    files.SetReader({});
    files.SetWriter({});
    ids.append(MSceneMessage::addCallback(
        MSceneMessage::kBeforeSave,
        [](void* data) { static_cast<SceneMessagesTest*>(data)->calls.push_back("save"); }, this));
    const MStatus save = files.Save("/tmp/never-written.ma");
    const MStatus open = files.Open(HOST_TEST_PLUGIN); // an existing file, but no reader
    files.SetReader(reader);
    files.SetWriter(writer);

    EXPECT_FALSE(save);
    EXPECT_NE(save.errorString().str().find("no scene file writer"), std::string::npos) << save.errorString();
    EXPECT_FALSE(open);
    EXPECT_NE(open.errorString().str().find("no scene file reader"), std::string::npos) << open.errorString();
    EXPECT_TRUE(calls.empty()) << "nothing was saved, so no save messages";

    EXPECT_EQ(MFileIO::open("/no/such/scene.ma"), MStatus::kNotFound);
    EXPECT_EQ(vex::host::ScriptEditor::get().Last(vex::host::ScriptEditor::Kind::kError),
              "Cannot open \"/no/such/scene.ma\": the file does not exist.");
}

} // namespace
