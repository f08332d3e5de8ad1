#include "tests/host/api/SceneFixture.h"

#include <maya/M3dView.h>
#include <maya/MDGModifier.h>
#include <maya/MGlobal.h>
#include <maya/MItSelectionList.h>
#include <maya/MNodeMessage.h>
#include <maya/MPlug.h>
#include <maya/MStringArray.h>

#include <string>
#include <vector>

namespace {

/// What the callbacks heard, as "message plug other" lines.
std::vector<std::string> gHeard;

void OnAttribute(MNodeMessage::AttributeMessage message, MPlug& plug, MPlug& other, void*) {
    gHeard.push_back(std::to_string(message) + " " + plug.name().str() + " " +
                     (other.isNull() ? std::string("-") : other.name().str()));
}

void OnName(MObject& node, const MString& previous, void*) {
    gHeard.push_back("renamed " + previous.str() + " to " + MFnDependencyNode(node).name().str());
}

void OnRemoval(MObject& node, void*) {
    gHeard.push_back("leaving " + MFnDependencyNode(node).name().str());
}

// Deletes the node given as client data along with the watched one.
void OnAboutToDelete(MObject&, MDGModifier& modifier, void* clientData) {
    modifier.deleteNode(*static_cast<MObject*>(clientData));
    gHeard.push_back("about to delete");
}

class NodeMessageTest : public SceneFixture {
protected:
    void SetUp() override { gHeard.clear(); }
    void TearDown() override {
        for (MCallbackId id : ids_) MMessage::removeCallback(id);
    }
    void Watch(MCallbackId id) {
        ASSERT_NE(id, 0u);
        ids_.push_back(id);
    }

    MObject a_ = Make("transform", "a");
    MObject b_ = Make("transform", "b");
    std::vector<MCallbackId> ids_;
};

TEST_F(NodeMessageTest, AttributeChangesReachTheWatchedNodeOnly) {
    Watch(MNodeMessage::addAttributeChangedCallback(a_, OnAttribute));
    MFnDependencyNode a(a_), b(b_);
    ASSERT_TRUE(a.findPlug("translateX").setValue(2.0));
    ASSERT_TRUE(b.findPlug("translateX").setValue(3.0));
    ASSERT_EQ(gHeard, (std::vector<std::string>{"8 a.tx -"})) << "kAttributeSet, and nothing for b";

    gHeard.clear();
    MDGModifier connect;
    ASSERT_TRUE(connect.connect(b.findPlug("translateY"), a.findPlug("translateZ")));
    ASSERT_TRUE(connect.doIt());
    // kConnectionMade | kOtherPlugSet | kIncomingDirection, with the source as the other plug.
    EXPECT_EQ(gHeard, (std::vector<std::string>{"18433 a.tz b.ty"}));
    gHeard.clear();
    ASSERT_TRUE(connect.undoIt());
    EXPECT_EQ(gHeard, (std::vector<std::string>{"18434 a.tz b.ty"})) << "kConnectionBroken on undo";

    gHeard.clear();
    ASSERT_TRUE(MMessage::removeCallback(ids_.back()));
    ids_.pop_back();
    ASSERT_TRUE(a.findPlug("translateX").setValue(4.0));
    EXPECT_TRUE(gHeard.empty()) << "a removed callback stays quiet";
}

TEST_F(NodeMessageTest, RenameRemovalAndDeletionCallbacks) {
    MStatus status;
    MObject dead;
    MNodeMessage::addAttributeChangedCallback(dead, OnAttribute, nullptr, &status);
    EXPECT_EQ(status.statusCode(), MStatus::kInvalidParameter) << "a null object cannot be watched";

    Watch(MNodeMessage::addNameChangedCallback(a_, OnName));
    Watch(MNodeMessage::addNodePreRemovalCallback(a_, OnRemoval));
    Watch(MNodeMessage::addNodeAboutToDeleteCallback(a_, OnAboutToDelete, &b_));
    ASSERT_TRUE(MGlobal::executeCommand("rename a first"));
    ASSERT_TRUE(MGlobal::executeCommand("delete first"));
    EXPECT_EQ(gHeard, (std::vector<std::string>{"renamed a to first", "about to delete", "leaving first"}));
    EXPECT_TRUE(vex::host::Scene::Instance().findNode("b") == nullptr) << "the about-to-delete modifier ran";
}

TEST_F(NodeMessageTest, SelectionIteratorWalksInOrderAndFilters) {
    const MObject shape = Make("camera", "camShape", b_);
    const MObject lambert = Make("lambert", "shiny");
    ASSERT_TRUE(MGlobal::selectByName("b", MGlobal::kReplaceList));
    ASSERT_TRUE(MGlobal::selectByName("shiny"));
    ASSERT_TRUE(MGlobal::selectByName("camShape"));
    EXPECT_FALSE(MGlobal::selectByName("nothing*here")) << "a name matching nothing";
    MSelectionList active;
    MGlobal::getActiveSelectionList(active);

    std::vector<std::string> all;
    for (MItSelectionList it(active); !it.isDone(); it.next()) {
        MStringArray names;
        ASSERT_TRUE(it.getStrings(names));
        all.push_back(names[0].str() +
                      (it.itemType() == MItSelectionList::kDagSelectionItem ? " dag" : " dg"));
    }
    EXPECT_EQ(all, (std::vector<std::string>{"b dag", "shiny dg", "camShape dag"}));

    MItSelectionList dag(active, MFn::kDagNode);
    MDagPath path;
    ASSERT_TRUE(dag.getDagPath(path));
    EXPECT_EQ(path.fullPathName(), "|b");
    ASSERT_TRUE(dag.next());
    ASSERT_TRUE(dag.getDagPath(path)) << "the lambert is skipped";
    EXPECT_EQ(path.fullPathName(), "|b|camShape");
    ASSERT_TRUE(dag.next());
    EXPECT_TRUE(dag.isDone());
    MObject past;
    EXPECT_FALSE(dag.getDependNode(past)) << "nothing past the end";

    MItSelectionList cameras(active, MFn::kCamera);
    MObject node;
    ASSERT_TRUE(cameras.getDependNode(node));
    EXPECT_TRUE(node == shape);
    ASSERT_TRUE(cameras.setFilter(MFn::kLambert));
    ASSERT_TRUE(cameras.getDependNode(node));
    EXPECT_TRUE(node == lambert);
    MDagPath none;
    EXPECT_FALSE(cameras.getDagPath(none)) << "a dependency node has no path";
}

TEST_F(NodeMessageTest, ActiveViewLooksThroughAChosenCamera) {
    M3dView view = M3dView::active3dView();
    MDagPath camera;
    ASSERT_TRUE(view.getCamera(camera));
    EXPECT_EQ(camera.partialPathName(), "perspShape");
    const MObject shape = Make("camera", "camShape", b_);
    MDagPath chosen = PathOf(b_);
    ASSERT_TRUE(view.setCamera(chosen)) << "a camera's transform";
    ASSERT_TRUE(view.getCamera(camera));
    EXPECT_TRUE(camera.node() == shape);
    MDagPath notCamera = PathOf(a_);
    EXPECT_FALSE(view.setCamera(notCamera));
    ASSERT_TRUE(MGlobal::executeCommand("delete b"));
    EXPECT_FALSE(view.getCamera(camera)) << "the camera was deleted";
    MSelectionList persp;
    ASSERT_TRUE(persp.add("persp"));
    ASSERT_TRUE(persp.getDagPath(0, chosen));
    EXPECT_TRUE(view.setCamera(chosen));
}

} // namespace
