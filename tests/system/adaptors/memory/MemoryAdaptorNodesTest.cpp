#include "tests/system/adaptors/memory/MemoryTestSupport.h"
#include "util/xml/Text.h"

namespace vex::orb::adaptor::memory::test {
namespace {

using core::CoreNode;

class MemoryAdaptorNodes : public ::testing::Test {
protected:
    HostAdaptor adaptor_;
    TestOwner car_{"Car"};
    TestOwner plane_{"Plane"};
};

TEST_F(MemoryAdaptorNodes, CreationNamesFollowOwnerAndAreMadeUnique) {
    CoreNode* heard = nullptr;
    core::NodeListener listener(&heard);
    CoreNode* first = adaptor_.createCamera(&car_, "cam", nullptr, &listener);
    CoreNode* second = adaptor_.createCamera(&car_, "cam", nullptr, nullptr);
    CoreNode* body = adaptor_.createMesh(&plane_, "body", nullptr, MakeBox(1, 1, 1), nullptr);

    EXPECT_EQ(heard, first);
    EXPECT_EQ(NameOf(first), "Car_camTransform");
    EXPECT_EQ(NameOf(second), "Car_camTransform1");
    const MemoryScene& scene = adaptor_.GetScene();
    EXPECT_EQ(scene.Find(AsMemory(first)->GetObject())->shapeName, "Car_cam");
    EXPECT_EQ(scene.Find(AsMemory(second)->GetObject())->shapeName, "Car_cam1");
    EXPECT_EQ(scene.Find(AsMemory(body)->GetObject())->shape, ShapeKind::kPolygonMesh);

    EXPECT_EQ(AllNodes(adaptor_), (std::vector<CoreNode*>{first, second, body}));
    EXPECT_EQ(adaptor_.findNode(&car_, "cam"), first);
    EXPECT_EQ(adaptor_.findNode(&plane_, "cam"), nullptr);
    EXPECT_EQ(adaptor_.findNode(&car_, "Car_camTransform"), nullptr);
}

TEST_F(MemoryAdaptorNodes, HierarchyWrappersAndOwningNode) {
    CoreNode* root = adaptor_.createCamera(&car_, "rig", nullptr, nullptr);
    CoreNode* child = adaptor_.createMesh(&car_, "wheel", root, MakeBox(1, 1, 1), nullptr);
    EXPECT_EQ(root->getParent(), nullptr);
    EXPECT_EQ(root->getChildCount(), 1);
    EXPECT_EQ(root->getChild(1), nullptr);

    CNode* parent = child->getParent();
    ASSERT_NE(parent, nullptr);
    EXPECT_TRUE(root->isSameNode(static_cast<CoreNode*>(parent)));
    EXPECT_TRUE(root->handle(CoreNode::kIsSameNode, parent));
    EXPECT_FALSE(child->handle(CoreNode::kIsSameNode, parent));
    EXPECT_EQ(AllNodes(adaptor_).size(), 2u) << "wrappers are never registered";
    child->releaseNode(parent);

    // An object the system did not create belongs to the nearest registered node above it.
    const ObjectId loose =
        adaptor_.GetScene().Create("loose", ShapeKind::kNone, AsMemory(child)->GetObject());
    CNode* grandChild = child->getChild(0);
    ASSERT_NE(grandChild, nullptr);
    EXPECT_EQ(AsMemory(grandChild)->GetObject(), loose);
    EXPECT_EQ(AsMemory(grandChild)->getOwningNode(), child);
    EXPECT_EQ(child->getOwningNode(), child);
    child->releaseNode(grandChild);
}

TEST_F(MemoryAdaptorNodes, DetachedNodesLeaveTheListsAndCanBeAdopted) {
    CoreNode* a = adaptor_.createCamera(&car_, "a", nullptr, nullptr);
    CoreNode* b = adaptor_.createCamera(&car_, "b", nullptr, nullptr);
    EXPECT_EQ(a->adopt(&plane_, "x"), nullptr) << "only detached nodes are adopted";

    a->detach();
    EXPECT_TRUE(a->isDetached());
    EXPECT_EQ(a->owner, nullptr);
    EXPECT_EQ(NodesOf(adaptor_, &car_), std::vector<CoreNode*>{b});
    EXPECT_EQ(AllNodes(adaptor_), std::vector<CoreNode*>{b});
    EXPECT_TRUE(adaptor_.GetScene().IsAlive(AsMemory(a)->GetObject())) << "the host object stays";

    CoreNode* adopted = a->adopt(&plane_, "x");
    ASSERT_NE(adopted, nullptr);
    EXPECT_TRUE(adopted->isSameNode(a));
    EXPECT_EQ(adaptor_.findNode(&plane_, "x"), adopted);
    EXPECT_EQ(a->adopt(&plane_, "y"), nullptr) << "the host object is held again";
    a->release();
}

TEST_F(MemoryAdaptorNodes, HostDeletedNodeAnswersNothing) {
    CoreNode* node = adaptor_.createCamera(&car_, "cam", nullptr, nullptr);
    node->hide();
    EXPECT_FALSE(node->isVisible());
    node->show();
    EXPECT_TRUE(node->isVisible());
    node->hide();

    MemoryScene& scene = adaptor_.GetScene();
    const ObjectId object = AsMemory(node)->GetObject();
    scene.SetDeleted(object, true);
    node->show();
    EXPECT_FALSE(node->isVisible());
    EXPECT_FALSE(node->select());
    EXPECT_EQ(node->getSnapshot(0.0), nullptr);

    scene.SetDeleted(object, false);
    EXPECT_FALSE(node->isVisible()) << "show on the deleted object changed nothing";
}

TEST_F(MemoryAdaptorNodes, DeleteNodeIsUndoneAndRedone) {
    CoreNode* a = adaptor_.createCamera(&car_, "a", nullptr, nullptr);
    CoreNode* b = adaptor_.createCamera(&car_, "b", nullptr, nullptr);
    CoreNode* c = adaptor_.createCamera(&car_, "c", nullptr, nullptr);
    const ObjectId object = AsMemory(b)->GetObject();

    adaptor_.beginUndoGroup("Delete tool");
    b->deleteNode(false);
    adaptor_.endUndoGroup();
    EXPECT_EQ(AllNodes(adaptor_), (std::vector<CoreNode*>{a, c}));
    EXPECT_FALSE(adaptor_.GetScene().IsAlive(object));

    adaptor_.undo();
    EXPECT_EQ(AllNodes(adaptor_), (std::vector<CoreNode*>{a, b, c}));
    EXPECT_TRUE(adaptor_.GetScene().IsAlive(object));
    EXPECT_EQ(NameOf(b), "Car_bTransform");

    adaptor_.redo();
    EXPECT_EQ(AllNodes(adaptor_), (std::vector<CoreNode*>{a, c}));

    // Outside a group the deletion is final.
    const ObjectId aObject = AsMemory(a)->GetObject();
    a->deleteNode(false);
    EXPECT_EQ(AllNodes(adaptor_), std::vector<CoreNode*>{c});
    EXPECT_FALSE(adaptor_.GetScene().IsAlive(aObject));
    c->deleteNode(true);
    EXPECT_TRUE(AllNodes(adaptor_).empty());
}

TEST_F(MemoryAdaptorNodes, ANewSceneWaitsForTheNodesAndThenFreesEveryObjectAndName) {
    CoreNode* kept = adaptor_.createCamera(&car_, "cam", nullptr, nullptr);
    CoreNode* undone = adaptor_.createCamera(&car_, "other", nullptr, nullptr);
    adaptor_.beginUndoGroup("Delete tool");
    undone->deleteNode(false);
    adaptor_.endUndoGroup();
    MemoryScene& scene = adaptor_.GetScene();
    scene.AddMessage("Disk full", "Error");

    EXPECT_FALSE(adaptor_.NewScene()) << "a live node still holds its object";
    EXPECT_TRUE(scene.IsAlive(AsMemory(kept)->GetObject()));
    EXPECT_TRUE(adaptor_.GetUndoLabels().empty()) << "the deleted node went with its undo step";

    kept->deleteNode(true);
    ASSERT_TRUE(adaptor_.NewScene());
    EXPECT_TRUE(scene.GetObjects().empty());
    EXPECT_TRUE(scene.GetChildren(kWorld).empty());
    EXPECT_TRUE(scene.GetMessages().empty());
    // The names of the old scene are free again.
    EXPECT_EQ(NameOf(adaptor_.createCamera(&car_, "cam", nullptr, nullptr)), "Car_camTransform");
}

TEST_F(MemoryAdaptorNodes, CreationIsUndoneAndRedone) {
    adaptor_.beginUndoGroup("Create Tool");
    CoreNode* cam = adaptor_.createCamera(&car_, "cam", nullptr, nullptr);
    adaptor_.endUndoGroup();
    const ObjectId object = AsMemory(cam)->GetObject();

    adaptor_.undo();
    EXPECT_TRUE(AllNodes(adaptor_).empty());
    EXPECT_FALSE(adaptor_.GetScene().IsAlive(object));
    adaptor_.redo();
    EXPECT_EQ(AllNodes(adaptor_), std::vector<CoreNode*>{cam});
    EXPECT_TRUE(adaptor_.GetScene().IsAlive(object));
}

TEST_F(MemoryAdaptorNodes, CloneCopiesTheHierarchyForTheNewOwner) {
    CoreNode* rig = adaptor_.createCamera(&car_, "rig", nullptr, nullptr);
    CoreNode* wheel = adaptor_.createMesh(&car_, "wheel", rig, MakeBox(1, 2, 3), nullptr);
    SetLocalAt(wheel, 0.0, Translation(1, 2, 3));

    adaptor_.beginUndoGroup("Clone tool");
    CoreNode::CloneRequest request{&plane_, nullptr};
    EXPECT_TRUE(rig->handle(CoreNode::kCloneHierarchy, &request));
    adaptor_.endUndoGroup();

    ASSERT_NE(request.clone, nullptr);
    EXPECT_EQ(NameOf(request.clone), "Car_rigTransform_clone");
    const auto copies = NodesOf(adaptor_, &plane_);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0], request.clone);
    EXPECT_EQ(copies[1]->GetCreationName(), "wheel");
    ExpectMatrixNear(LocalAt(copies[1], 0.0), Translation(1, 2, 3));
    EXPECT_EQ(adaptor_.GetScene().Find(AsMemory(copies[1])->GetObject())->mesh.vertices.size(), 8u);

    adaptor_.undo();
    EXPECT_TRUE(NodesOf(adaptor_, &plane_).empty());
    EXPECT_EQ(NodesOf(adaptor_, &car_).size(), 2u);
}

TEST_F(MemoryAdaptorNodes, TaggedNodesAreFoundByInstanceAndObjectName) {
    CoreNode* cam = adaptor_.createCamera(&car_, "cam", nullptr, nullptr);
    CoreNode* body = adaptor_.createMesh(&car_, "body", nullptr, MakeBox(1, 1, 1), nullptr);
    adaptor_.storeNodeTags(&car_);
    cam->detach();
    body->detach();

    util::xml::Element listing(util::xml::Element::Kind::Tag, "nodeinfo");
    for (const char* name : {"body", "missing", "cam"}) {
        util::xml::Element entry(util::xml::Element::Kind::Tag, "node");
        util::xml::Element nameElement(util::xml::Element::Kind::Tag, "name");
        nameElement.AddChild(util::xml::Text(name));
        entry.AddChild(nameElement);
        listing.AddChild(entry);
    }
    std::vector<CoreNode*> found;
    core::NodeList out(&found);
    adaptor_.findTaggedNodes("Car", listing, out);

    ASSERT_EQ(found.size(), 3u);
    ASSERT_NE(found[0], nullptr);
    EXPECT_EQ(found[1], nullptr);
    ASSERT_NE(found[2], nullptr);
    EXPECT_TRUE(found[0]->isSameNode(body));
    EXPECT_TRUE(found[2]->isSameNode(cam));

    CoreNode* adopted = found[2]->adopt(&plane_, "cam");
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(NodesOf(adaptor_, &plane_), std::vector<CoreNode*>{adopted});
    for (CoreNode* node : {cam, body, found[0], found[2]}) node->release();
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
