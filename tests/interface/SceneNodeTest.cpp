#include "interface/SceneNode.h"

#include "interface/CCamera.h"
#include "interface/CMesh_Box.h"
#include "interface/ScopedSnapshot.h"
#include "tests/interface/StubCoreInterface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vex::orb;
using Log = std::vector<std::string>;

// A host node and its helper look that write what was asked of them into one log.
class RecordingNode : public CNode, public CSnapshot_Helper {
public:
    explicit RecordingNode(Log& log) : log_(log) {}
    void show() override { log_.push_back("show"); }
    void hide() override { log_.push_back("hide"); }
    bool isVisible() override { return true; }
    bool select() override { return true; }
    bool isDetached() override { return false; }
    CNode* getParent() override { return nullptr; }
    int getChildCount() override { return 0; }
    CNode* getChild(int) override { return nullptr; }
    void releaseNode(CNode*) override {}
    void setMesh(const vex::util::CMesh&) override {}
    void setColor(float, float, float) override {}
    void setDisplayFlag(int flag) override { log_.push_back("flag " + std::to_string(flag)); }

private:
    Log& log_;
};

// The scene as the tool's core interface shows it: one node, found by the name "tool_node".
class SceneInterface : public test::StubCoreInterface {
public:
    void deleteNode(CNode* n) override { log.push_back(n == &hostNode ? "delete" : "delete other"); }
    CNode* findNode(std::string name) override { return name == "tool_node" ? &hostNode : nullptr; }
    CNode* createNode(std::string name, CNode*, void*) override {
        log.push_back("camera " + name);
        return &hostNode;
    }
    CNode* createMeshNode(std::string name, CNode*, const vex::util::CMesh* mesh, void*) override {
        log.push_back("mesh " + name + " " + std::to_string(mesh->vertices.size()));
        return &hostNode;
    }
    CSnapshot_Helper* getHelperSnapshot(CNode* n) override {
        log.push_back("get");
        return n == &hostNode ? &hostNode : nullptr;
    }
    void releaseHelperSnapshot(CSnapshot_Helper* s) override {
        log.push_back(s == &hostNode ? "release" : "release other");
    }

    Log log;
    RecordingNode hostNode{log};
};

// A tool node showing a box, or a camera when asked to.
class BoxNode : public SceneNode {
public:
    using SceneNode::SceneNode;
    bool create() override {
        return camera ? CreateCameraNode(nullptr) : createMeshNode(vex::util::CMesh_Box(1, 1, 1), nullptr);
    }
    void update(double) override {}

    bool camera = false;
};

struct SceneNodeTest : ::testing::Test {
    SceneNodeTest() { tool.core = &scene; }

    SceneInterface scene;
    CCamera tool{{nullptr, "tool"}};
    BoxNode node{&tool, "tool_node"};
};

TEST_F(SceneNodeTest, WithoutAHostNodeForwardsNothing) {
    EXPECT_EQ(node.localMatrix, vex::util::Matrix<double>());
    node.show();
    node.setDisplayFlag(1);
    EXPECT_TRUE(node.remove());
    EXPECT_TRUE(scene.log.empty());
    BoxNode missing(&tool, "other");
    EXPECT_FALSE(missing.Find());
}

TEST_F(SceneNodeTest, CreatesItsHostNodeThroughTheToolsInterface) {
    ASSERT_TRUE(node.create());
    EXPECT_EQ(node.node, &scene.hostNode);
    node.camera = true;
    ASSERT_TRUE(node.create());
    EXPECT_EQ(scene.log, (Log{"mesh tool_node 8", "camera tool_node"}));
}

TEST_F(SceneNodeTest, ForwardsToTheHostNodeAndRemovesItOnce) {
    ASSERT_TRUE(node.Find());
    node.show();
    node.hide();
    node.setDisplayFlag(3);
    EXPECT_TRUE(node.remove());
    EXPECT_FALSE(node.Exists());
    EXPECT_TRUE(node.remove());
    EXPECT_EQ(scene.log, (Log{"show", "hide", "get", "flag 3", "release", "delete"}));
}

TEST_F(SceneNodeTest, AScopedSnapshotIsHandedBackOnceWhereverItEnds) {
    {
        ScopedSnapshot<CSnapshot_Helper> held(&scene, &scene.hostNode);
        ASSERT_TRUE(held);
        ScopedSnapshot<CSnapshot_Helper> moved(std::move(held));
        EXPECT_FALSE(held);
        EXPECT_EQ(moved.get(), &scene.hostNode);
        ScopedSnapshot<CSnapshot_Helper> other(&scene, &scene.hostNode);
        other = std::move(moved); // the snapshot `other` held goes back first
        EXPECT_EQ(scene.log, (Log{"get", "get", "release"}));
        other.Reset();
        other.Reset();
        EXPECT_EQ(scene.log, (Log{"get", "get", "release", "release"}));
    }
    EXPECT_EQ(scene.log, (Log{"get", "get", "release", "release"}));
    // Without a node nothing is asked of the host; a host without one gives an empty snapshot.
    EXPECT_FALSE((ScopedSnapshot<CSnapshot_Helper>(&scene, nullptr)));
    EXPECT_FALSE((ScopedSnapshot<CSnapshot_Lens>(&scene, &scene.hostNode, 1.0)));
    EXPECT_EQ(scene.log.size(), 4u);
}

TEST(SceneNodeDeathTest, ANodeOfAToolWithoutItsCoreIsABrokenInvariant) {
    if (!vex::util::AssertionsStop()) GTEST_SKIP() << "a release build reports and goes on";
    CCamera tool{{nullptr, "tool"}};
    BoxNode node{&tool, "tool_node"};
    EXPECT_DEATH(node.Find(), "SceneNode.cpp:[0-9]+: invariant broken: a scene node belongs to a tool");
}

} // namespace
