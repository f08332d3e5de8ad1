#include "host/scene/CommandRegistry.h"
#include "tests/host/api/SceneFixture.h"

#include <maya/MArgList.h>
#include <maya/MDGMessage.h>
#include <maya/MDagMessage.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnSet.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPxCommand.h>

namespace {

/// A command that creates a transform with the name given as its argument, directly (not undoable
/// itself), as the host's built-in commands do their work.
class MakeTransformCommand : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override {
        MFnDagNode fn;
        MStatus status;
        fn.create("transform", args.asString(0), MObject::kNullObj, &status);
        return status;
    }
    static void* Creator() { return new MakeTransformCommand; }
};

class ModifierTest : public SceneFixture {
protected:
    /// A small scene with a parent, a camera, a material in a shading group and a connection.
    void Build() {
        rig_ = Make("transform", "rig");
        cameraTransform_ = Make("transform", "camT", rig_);
        camera_ = Make("camera", "cam", cameraTransform_);
        lambert_ = Make("lambert", "mat");
        group_ = Make("shadingEngine", "matSG");
        mesh_ = Make("mesh", "meshShape", Make("transform", "meshT"));
        MDGModifier modifier;
        modifier.connect(MFnDependencyNode(lambert_).findPlug("outColor"),
                         MFnDependencyNode(group_).findPlug("surfaceShader"));
        modifier.connect(MFnDependencyNode(rig_).findPlug("tx"), MFnDependencyNode(camera_).findPlug("fl"));
        ASSERT_TRUE(modifier.doIt());
        ASSERT_TRUE(MFnSet(group_).addMember(PathOf(mesh_)));
        MFnDependencyNode(rig_).findPlug("tx").setValue(50.0);
        MFnTypedAttribute typed;
        note_ = typed.create("note", "nt", MFnData::kString);
        ASSERT_TRUE(MFnDependencyNode(rig_).addAttribute(note_));
        MFnDependencyNode(rig_).findPlug("note").setValue(MString("kept"));
    }

    MObject rig_, cameraTransform_, camera_, lambert_, group_, mesh_, note_;
};

TEST_F(ModifierTest, UndoLeavesTheSceneExactlyAsBeforeAndRedoRepeatsIt) {
    Build();
    const std::string before = Dump();

    MFnTypedAttribute typed;
    MObject tag = typed.create("VXB_tag", "VXB_tag", MFnData::kString);
    MDagModifier modifier;
    MObject created = modifier.createNode("transform", rig_);
    ASSERT_TRUE(modifier.renameNode(created, "fresh"));
    MObject shape = modifier.createNode("camera", created);
    ASSERT_TRUE(modifier.renameNode(cameraTransform_, "renamed"));
    ASSERT_TRUE(modifier.reparentNode(cameraTransform_, created));
    ASSERT_TRUE(modifier.addAttribute(camera_, tag));
    ASSERT_TRUE(modifier.newPlugValueString(MPlug(camera_, tag), "tagged"));
    ASSERT_TRUE(modifier.newPlugValueInt(MFnDependencyNode(cameraTransform_).findPlug("roi"), 2));
    ASSERT_TRUE(modifier.newPlugValueDouble(MFnDependencyNode(rig_).findPlug("tx"), 3.0));
    ASSERT_TRUE(
        modifier.connect(MFnDependencyNode(shape).findPlug("fl"), MFnDependencyNode(rig_).findPlug("ty")));
    ASSERT_TRUE(modifier.deleteNode(PathOf(mesh_).transform()));
    ASSERT_TRUE(modifier.deleteNode(lambert_));
    ASSERT_TRUE(modifier.removeAttribute(rig_, note_));
    MMatrix offset;
    offset(3, 1) = 4.0;
    MFnMatrixData matrixData;
    MObject matrixValue = matrixData.create(offset);
    ASSERT_TRUE(modifier.addAttribute(rig_, typed.create("offset", "ofs", MFnData::kMatrix)));
    ASSERT_TRUE(modifier.newPlugValue(MPlug(rig_, typed.object()), matrixValue));
    matrixData.set(MMatrix()); // the modifier took its own copy
    ASSERT_TRUE(modifier.doIt());
    EXPECT_FALSE(MFnDependencyNode(rig_).hasAttribute("note"));
    EXPECT_TRUE(MFnMatrixData(MFnDependencyNode(rig_).findPlug("ofs").asMObject()).matrix() == offset);

    const std::string after = Dump();
    EXPECT_NE(after, before);
    EXPECT_EQ(PathOf(camera_).fullPathName().str(), "|rig|fresh|renamed|cam");
    EXPECT_EQ(MFnDependencyNode(camera_).findPlug("VXB_tag").asString().str(), "tagged");
    EXPECT_DOUBLE_EQ(MFnDependencyNode(camera_).findPlug("fl").asDouble(), 3.0);
    EXPECT_DOUBLE_EQ(MFnDependencyNode(rig_).findPlug("ty").asDouble(), 35.0);
    EXPECT_FALSE(MFnDependencyNode(group_).findPlug("surfaceShader").isConnected());
    MSelectionList members;
    MFnSet(group_).getMembers(members, false);
    EXPECT_EQ(members.length(), 0u);

    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(MFnSet(group_).isMember(PathOf(mesh_)), true);
    EXPECT_EQ(MFnDependencyNode(rig_).findPlug("note").asString().str(), "kept");
    EXPECT_TRUE(MFnDependencyNode(group_).findPlug("surfaceShader").isDestination());

    ASSERT_TRUE(modifier.doIt());
    EXPECT_EQ(Dump(), after);
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(Dump(), before);
}

TEST_F(ModifierTest, EditsQueuedAfterADoItRunOnTheNextOne) {
    MDagModifier modifier;
    MObject first = modifier.createNode("transform");
    ASSERT_TRUE(modifier.doIt());
    MObject second = modifier.createNode("transform", first);
    EXPECT_FALSE(PathOf(first).length() == 0);
    MDagPath none;
    EXPECT_FALSE(MDagPath::getAPathTo(second, none)); // not yet in the scene
    ASSERT_TRUE(modifier.doIt());
    EXPECT_EQ(PathOf(second).fullPathName().str(), "|transform1|transform2");
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_FALSE(MDagPath::getAPathTo(first, none));
}

TEST_F(ModifierTest, AFailingEditStopsDoItAndIsTakenBack) {
    Build();
    const std::string before = Dump();
    MDagModifier modifier;
    ASSERT_TRUE(modifier.renameNode(rig_, "first"));
    ASSERT_TRUE(
        modifier.connect(MFnDependencyNode(rig_).findPlug("ty"), MFnDependencyNode(camera_).findPlug("fl")));
    ASSERT_TRUE(modifier.renameNode(rig_, "never"));
    EXPECT_FALSE(modifier.doIt()); // "fl" already has an input
    EXPECT_EQ(NameOf(rig_), "first");
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(Dump(), before);
}

TEST_F(ModifierTest, CommandEditsAreUndoneWithTheModifier) {
    vex::host::CommandRegistry::get().Add("makeTransformForTest", &MakeTransformCommand::Creator, "");
    const std::string before = Dump();
    MDagModifier modifier;
    ASSERT_TRUE(modifier.commandToExecute("makeTransformForTest fromCommand"));
    ASSERT_TRUE(modifier.doIt());
    MSelectionList found;
    EXPECT_TRUE(found.add("fromCommand"));
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(Dump(), before);
    ASSERT_TRUE(modifier.doIt());
    found.clear();
    EXPECT_TRUE(found.add("fromCommand"));

    MDagModifier unknown;
    ASSERT_TRUE(unknown.commandToExecute("noSuchCommandAnywhere 1"));
    EXPECT_FALSE(unknown.doIt());
    vex::host::CommandRegistry::get().remove("makeTransformForTest");
}

TEST_F(ModifierTest, NodeMessagesFollowCreationDeletionUndoAndReparenting) {
    struct Log {
        std::vector<std::string> lines;
    } log;
    auto added = MDGMessage::addNodeAddedCallback(
        [](MObject& node, void* data) {
            static_cast<Log*>(data)->lines.push_back("+" + MFnDependencyNode(node).name().str());
        },
        "transform", &log);
    auto removed = MDGMessage::addNodeRemovedCallback(
        [](MObject& node, void* data) {
            static_cast<Log*>(data)->lines.push_back("-" + MFnDependencyNode(node).name().str());
        },
        "dependNode", &log);
    auto parentRemoved = MDagMessage::addParentRemovedCallback(
        [](MDagPath& child, MDagPath& parent, void* data) {
            static_cast<Log*>(data)->lines.push_back(child.partialPathName().str() + "<" +
                                                     parent.partialPathName().str());
        },
        &log);

    MObject a = Make("transform", "a");
    MObject b = Make("transform", "b");
    MDagModifier modifier;
    modifier.reparentNode(b, a);
    modifier.deleteNode(a);
    ASSERT_TRUE(modifier.doIt());
    ASSERT_TRUE(modifier.undoIt());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"+transform1", "+transform1", "b<", "b<a", "-b", "a<",
                                                   "-a", "+a", "+b", "b<a"}));
    MMessage::removeCallback(added);
    MMessage::removeCallback(removed);
    MMessage::removeCallback(parentRemoved);
}

TEST_F(ModifierTest, ListenersMayDeleteNodesWhileANodeIsRemoved) {
    // As a tool does when the user deletes one of its nodes: the removal message deletes the tool's
    // other nodes, and asks for the removed one again.
    struct Tool {
        MObject first, second;
    } tool{Make("transform", "first"), Make("transform", "second")};
    auto id = MDGMessage::addNodeRemovedCallback(
        [](MObject& node, void* data) {
            auto* t = static_cast<Tool*>(data);
            MDGModifier modifier;
            modifier.deleteNode(node == t->first ? t->second : t->first);
            modifier.deleteNode(node);
            modifier.doIt();
        },
        "transform", &tool);
    MDagModifier deletion;
    deletion.deleteNode(tool.first);
    EXPECT_TRUE(deletion.doIt());
    MMessage::removeCallback(id);
    MDagPath path;
    EXPECT_FALSE(MDagPath::getAPathTo(tool.first, path));
    EXPECT_FALSE(MDagPath::getAPathTo(tool.second, path));
}

} // namespace
