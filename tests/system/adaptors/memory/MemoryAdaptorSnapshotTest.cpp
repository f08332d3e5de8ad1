#include "tests/system/adaptors/memory/MemoryTestSupport.h"

namespace vex::orb::adaptor::memory::test {
namespace {

using core::CoreNode;

class MemoryAdaptorSnapshot : public ::testing::Test {
protected:
    HostAdaptor adaptor_;
    TestOwner owner_{"Rig"};
};

TEST_F(MemoryAdaptorSnapshot, PoolHandsOutTheMostRecentlyAddedFreeSnapshot) {
    CoreNode* node = adaptor_.createCamera(&owner_, "cam", nullptr, nullptr);
    auto* first = dynamic_cast<CoreNode::Snapshot*>(node->getSnapshot(1.0));
    auto* second = dynamic_cast<CoreNode::Snapshot*>(node->getSnapshot(2.0));
    ASSERT_NE(first, second) << "a snapshot in use is not handed out again";
    EXPECT_TRUE(first->inUse);
    EXPECT_EQ(first->node, node);
    EXPECT_EQ(first->owner, &owner_);
    EXPECT_EQ(second->getTime(), 2.0);

    Release(first);
    Release(second);
    EXPECT_EQ(node->getSnapshot(3.0), second);
    EXPECT_EQ(second->getTime(), 3.0);
    EXPECT_EQ(node->getSnapshot(4.0), first);
}

TEST_F(MemoryAdaptorSnapshot, SnapshotKindsFollowTheShape) {
    MemoryScene& scene = adaptor_.GetScene();
    CoreNode* camera = adaptor_.createCamera(&owner_, "cam", nullptr, nullptr);
    CoreNode* helper = adaptor_.createMesh(&owner_, "body", nullptr, MakeBox(1, 1, 1), nullptr);
    MemoryNode userMesh(adaptor_, scene.Create("ground", ShapeKind::kPolygonMesh), nullptr, "ground", false);
    MemoryNode surface(adaptor_, scene.Create("hill", ShapeKind::kNurbsSurface), nullptr, "hill", false);

    EXPECT_NE(camera->getLensSnapshot(0.0), nullptr);
    EXPECT_EQ(camera->getMeshSnapshot(0.0), nullptr);
    EXPECT_EQ(camera->getHelperSnapshot(), nullptr);
    EXPECT_EQ(camera->getShapeSnapshot(0.0), nullptr);
    EXPECT_NE(helper->getHelperSnapshot(), nullptr);
    EXPECT_NE(helper->getMeshSnapshot(0.0), nullptr);
    EXPECT_EQ(helper->getLensSnapshot(0.0), nullptr);
    EXPECT_EQ(userMesh.getHelperSnapshot(), nullptr) << "only helpers the system created";
    EXPECT_NE(userMesh.getMeshSnapshot(0.0), nullptr);
    EXPECT_NE(surface.getMeshSnapshot(0.0), nullptr);
}

TEST_F(MemoryAdaptorSnapshot, RayHitsTheNearestFaceOfABox) {
    CoreNode* box = adaptor_.createMesh(&owner_, "box", nullptr, MakeBox(2, 2, 2), nullptr);
    SetLocalAt(box, 0.0, Translation(0, 0, 5));
    CSnapshot_Mesh* mesh = box->getMeshSnapshot(0.0);

    util::Vector3<double> hit;
    util::Vector3<double> normal;
    ASSERT_TRUE(mesh->intersectRay({0.2, 0.3, 0}, {0, 0, 2}, hit, normal));
    ExpectVectorNear(hit, {0.2, 0.3, 4});
    ExpectVectorNear(normal, {0, 0, -1});

    ASSERT_TRUE(mesh->intersectRay({0, 0, 5}, {1, 0, 0}, hit, normal)) << "from inside, the wall ahead";
    ExpectVectorNear(hit, {1, 0, 5});
    ExpectVectorNear(normal, {1, 0, 0});

    EXPECT_FALSE(mesh->intersectRay({0, 0, 0}, {0, 0, -1}, hit, normal)) << "the box is behind";
    EXPECT_FALSE(mesh->intersectRay({3, 0, 0}, {0, 0, 1}, hit, normal)) << "the ray passes beside it";

    util::Vector3<double> min;
    util::Vector3<double> max;
    ASSERT_TRUE(mesh->getBounds(min, max));
    ExpectVectorNear(min, {-1, -1, 4});
    ExpectVectorNear(max, {1, 1, 6});
    Release(mesh);
}

TEST_F(MemoryAdaptorSnapshot, LensIsKeyedWhileRecording) {
    CoreNode* camera = adaptor_.createCamera(&owner_, "cam", nullptr, nullptr);

    CSnapshot_Lens* lens = camera->getLensSnapshot(1.0);
    EXPECT_EQ(lens->getNode(), camera);
    lens->setFieldOfView(60.0);
    lens->setFocusDistance(12.0);
    Release(lens);
    EXPECT_EQ(camera->getLensSnapshot(9.0)->getFieldOfView(), 60.0) << "a static value holds at every time";

    adaptor_.prepareRecording({});
    for (double t : {2.0, 4.0}) {
        CSnapshot_Lens* keyed = camera->getLensSnapshot(t);
        keyed->setFieldOfView(t * 10.0);
        Release(keyed);
    }
    CSnapshot_Lens* between = camera->getLensSnapshot(3.0);
    EXPECT_DOUBLE_EQ(between->getFieldOfView(), 30.0);
    EXPECT_EQ(between->getFocusDistance(), 12.0);
}

TEST_F(MemoryAdaptorSnapshot, CurveIsMeasuredInWorldSpace) {
    MemoryScene& scene = adaptor_.GetScene();
    const ObjectId id = scene.Create("path", ShapeKind::kNurbsCurve);
    scene.Find(id)->curvePoints = {{0, 0, 0}, {3, 0, 0}, {3, 4, 0}};
    scene.Find(id)->transform.SetStatic(Translation(0, 0, 1));
    MemoryNode curve(adaptor_, id, nullptr, "path", false);

    CSnapshot_Shape* shape = curve.getShapeSnapshot(0.0);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->getShapeType(), 1);
    EXPECT_DOUBLE_EQ(shape->getLength(), 7.0);
    util::Vector3<double> point;
    util::Vector3<double> tangent;
    shape->getPointAtLength(point, 5.0);
    shape->getTangentAtLength(tangent, 5.0);
    ExpectVectorNear(point, {3, 2, 1});
    ExpectVectorNear(tangent, {0, 1, 0});
    // At a joint, the segment that starts there.
    shape->getTangentAtLength(tangent, 3.0);
    ExpectVectorNear(tangent, {0, 1, 0});
    shape->getPointAtLength(point, 50.0);
    ExpectVectorNear(point, {3, 4, 1});
}

TEST_F(MemoryAdaptorSnapshot, HelperLookChangesAreUndoable) {
    CoreNode* helper = adaptor_.createMesh(&owner_, "body", nullptr, MakeBox(1, 1, 1), nullptr);
    const HostObject& object = *adaptor_.GetScene().Find(AsMemory(helper)->GetObject());
    CSnapshot_Helper* look = helper->getHelperSnapshot();

    adaptor_.beginUndoGroup("look");
    look->setColor(1.0f, 0.0f, 0.25f);
    look->setMesh(MakeBox(2, 2, 2));
    adaptor_.endUndoGroup();
    EXPECT_EQ(object.color, (Color{1.0f, 0.0f, 0.25f}));
    EXPECT_EQ(object.mesh.vertices[7], (util::Vector3<double>{1, 1, 1}));

    adaptor_.undo();
    EXPECT_EQ(object.color, Color{});
    EXPECT_EQ(object.mesh.vertices[7], (util::Vector3<double>{0.5, 0.5, 0.5}));
    Release(look);
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
