#include "tests/system/adaptors/memory/MemoryTestSupport.h"

#include <cmath>

namespace vex::orb::adaptor::memory::test {
namespace {

using core::CoreNode;

class MemoryAdaptorTransform : public ::testing::Test {
protected:
    CoreNode* Camera(const std::string& name, CoreNode* parent = nullptr) {
        return adaptor_.createCamera(&owner_, name, parent, nullptr);
    }

    HostAdaptor adaptor_;
    TestOwner owner_{"Rig"};
};

TEST_F(MemoryAdaptorTransform, WorldMatrixIsLocalTimesParentWorld) {
    CoreNode* parent = Camera("parent");
    CoreNode* child = Camera("child", parent);
    const util::Matrix<double> parentLocal = RotationY(90) * Translation(10, 0, 0);
    SetLocalAt(parent, 0.0, parentLocal);
    SetLocalAt(child, 0.0, Translation(1, 0, 0));

    ExpectMatrixNear(WorldAt(child, 0.0), Translation(1, 0, 0) * parentLocal);
    // +X turned 90 degrees about Y points along -Z.
    const util::Matrix<double> world = WorldAt(child, 0.0);
    ExpectVectorNear({world.m[3][0], world.m[3][1], world.m[3][2]}, {10, 0, -1});
}

TEST_F(MemoryAdaptorTransform, SetWorldMatrixUnderRotatedTranslatedParent) {
    CoreNode* parent = Camera("parent");
    CoreNode* child = Camera("child", parent);
    const util::Matrix<double> parentWorld = RotationY(30) * Translation(2, 3, 4);
    SetLocalAt(parent, 0.0, parentWorld);

    const util::Matrix<double> wanted = RotationY(-45) * Translation(-1, 5, 7);
    CSnapshot* snapshot = child->getSnapshot(0.0);
    snapshot->setWorldMatrix(wanted);
    Release(snapshot);

    ExpectMatrixNear(WorldAt(child, 0.0), wanted);
    util::Matrix<double> inverse;
    ASSERT_TRUE(util::Inverse(parentWorld, inverse));
    ExpectMatrixNear(LocalAt(child, 0.0), wanted * inverse);
}

TEST_F(MemoryAdaptorTransform, KeysInterpolateBetweenAndHoldOutside) {
    CoreNode* node = Camera("cam");
    HostObject& object = *adaptor_.GetScene().Find(AsMemory(node)->GetObject());
    util::Matrix<double> scaled = RotationY(90) * Translation(4, 0, 0);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) scaled.m[i][j] *= 3.0;
    }
    object.transform.SetKey(1.0, util::Matrix<double>());
    object.transform.SetKey(2.0, scaled);

    ExpectMatrixNear(LocalAt(node, 0.0), util::Matrix<double>());
    ExpectMatrixNear(LocalAt(node, 2.0), scaled);
    ExpectMatrixNear(LocalAt(node, 5.0), scaled);
    // Halfway: translation and scale halfway, rotation 45 degrees.
    util::Matrix<double> half = RotationY(45) * Translation(2, 0, 0);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) half.m[i][j] *= 2.0;
    }
    ExpectMatrixNear(LocalAt(node, 1.5), half);
}

TEST_F(MemoryAdaptorTransform, WritesBecomeKeysOnlyWhileTheCoreRecords) {
    CoreNode* animated = Camera("animated");
    CoreNode* still = Camera("still");
    still->handle(CoreNode::kClearAnimated, nullptr);
    const HostObject& object = *adaptor_.GetScene().Find(AsMemory(animated)->GetObject());

    SetLocalAt(animated, 1.0, Translation(1, 0, 0));
    EXPECT_FALSE(object.transform.HasKeys());
    ExpectMatrixNear(LocalAt(animated, 7.0), Translation(1, 0, 0));

    adaptor_.prepareRecording({});
    SetLocalAt(animated, 1.0, Translation(2, 0, 0));
    SetLocalAt(animated, 2.0, Translation(4, 0, 0));
    SetLocalAt(still, 2.0, Translation(9, 0, 0));
    EXPECT_EQ(object.transform.GetKeys().size(), 2u);
    ExpectMatrixNear(LocalAt(animated, 1.5), Translation(3, 0, 0));
    EXPECT_FALSE(adaptor_.GetScene().Find(AsMemory(still)->GetObject())->transform.HasKeys());

    // Not recording, a keyed object takes the write as its static matrix; the keys still decide.
    adaptor_.finishRecording();
    SetLocalAt(animated, 2.0, Translation(100, 0, 0));
    ExpectMatrixNear(LocalAt(animated, 2.0), Translation(4, 0, 0));
    ExpectMatrixNear(object.transform.GetStatic(), Translation(100, 0, 0));
}

TEST_F(MemoryAdaptorTransform, SetParentKeepsTheWorldTransformAtEveryKey) {
    CoreNode* parent = Camera("parent");
    CoreNode* child = Camera("child");
    SetLocalAt(parent, 0.0, RotationY(90) * Translation(5, 0, 0));
    HostObject& object = *adaptor_.GetScene().Find(AsMemory(child)->GetObject());
    object.transform.SetKey(0.0, Translation(1, 0, 0));
    object.transform.SetKey(1.0, Translation(0, 2, 0));

    EXPECT_TRUE(child->setParent(parent));
    ExpectMatrixNear(WorldAt(child, 0.0), Translation(1, 0, 0));
    ExpectMatrixNear(WorldAt(child, 1.0), Translation(0, 2, 0));
    EXPECT_EQ(adaptor_.GetScene().GetChildren(AsMemory(parent)->GetObject()),
              std::vector<ObjectId>{AsMemory(child)->GetObject()});

    EXPECT_FALSE(parent->setParent(child)) << "a node cannot go below its own child";
    EXPECT_TRUE(child->setParent(nullptr));
    ExpectMatrixNear(LocalAt(child, 1.0), Translation(0, 2, 0));
}

TEST_F(MemoryAdaptorTransform, ClearKeysAfterKeepsTheNextFrameOnward) {
    CoreNode* node = Camera("cam");
    HostObject& object = *adaptor_.GetScene().Find(AsMemory(node)->GetObject());
    for (int frame = 0; frame <= 5; ++frame) {
        object.transform.SetKey(frame / 24.0, Translation(frame, 0, 0));
        object.fieldOfView.SetKey(frame / 24.0, 40.0 + frame);
    }

    adaptor_.beginUndoGroup("Re-simulate");
    node->clearKeysAfter(2 / 24.0);
    adaptor_.endUndoGroup();
    ASSERT_EQ(object.transform.GetKeys().size(), 3u);
    EXPECT_NEAR(object.transform.GetKeys().back().time, 2 / 24.0, 1e-12);
    EXPECT_EQ(object.fieldOfView.GetKeys().size(), 3u);

    adaptor_.undo();
    EXPECT_EQ(object.transform.GetKeys().size(), 6u);
    EXPECT_EQ(object.fieldOfView.GetKeys().size(), 6u);

    node->handle(CoreNode::kClearUpdate, nullptr);
    node->clearKeysAfter(0.0);
    EXPECT_EQ(object.transform.GetKeys().size(), 6u) << "a node no longer updated keeps its keys";
}

TEST_F(MemoryAdaptorTransform, SetCurrentTimeBringsNodesUpToDateAndRedrawsOnlyDuringARun) {
    CoreNode* updated = Camera("updated");
    CoreNode* frozen = Camera("frozen");
    frozen->handle(CoreNode::kClearUpdate, nullptr);

    adaptor_.setCurrentTime(1.0);
    EXPECT_EQ(adaptor_.getCurrentTime(), 1.0);
    EXPECT_TRUE(std::isnan(AsMemory(updated)->GetUpdatedTime()));

    EXPECT_EQ(adaptor_.GetRefreshCount(), 0);

    // The core tells the host a run starts and ends; in between the host records.
    adaptor_.prepareRecording({});
    EXPECT_TRUE(adaptor_.IsRecording());
    adaptor_.setCurrentTime(2.0);
    EXPECT_EQ(AsMemory(updated)->GetUpdatedTime(), 2.0);
    EXPECT_TRUE(std::isnan(AsMemory(frozen)->GetUpdatedTime()));
    EXPECT_EQ(adaptor_.GetRefreshCount(), 1);

    adaptor_.finishRecording();
    EXPECT_FALSE(adaptor_.IsRecording());
    adaptor_.setCurrentTime(3.0);
    EXPECT_EQ(AsMemory(updated)->GetUpdatedTime(), 2.0);
    EXPECT_EQ(adaptor_.GetRefreshCount(), 1);
}

TEST_F(MemoryAdaptorTransform, PrepareRecordingKeysAnimatedNodesAtTheStart) {
    CoreNode* animated = Camera("animated");
    CoreNode* still = Camera("still");
    still->handle(CoreNode::kClearAnimated, nullptr);
    TestOwner other{"Other"};
    CoreNode* foreign = adaptor_.createCamera(&other, "cam", nullptr, nullptr);
    SetLocalAt(animated, 0.0, Translation(3, 0, 0));
    adaptor_.setCurrentTime(0.5);

    adaptor_.prepareRecording({&owner_});
    EXPECT_EQ(adaptor_.GetRecordingStartTime(), 0.5);
    const auto& keys = adaptor_.GetScene().Find(AsMemory(animated)->GetObject())->transform.GetKeys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].time, 0.5);
    ExpectMatrixNear(keys[0].value, Translation(3, 0, 0));
    EXPECT_FALSE(adaptor_.GetScene().Find(AsMemory(still)->GetObject())->transform.HasKeys());
    EXPECT_FALSE(adaptor_.GetScene().Find(AsMemory(foreign)->GetObject())->transform.HasKeys());
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
