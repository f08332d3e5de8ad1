#include "tests/system/adaptors/memory/MemoryTestSupport.h"

namespace vex::orb::adaptor::memory::test {
namespace {

using core::CoreNode;

/// Counts what happens to it; on undo it may try to record another unit.
class ProbeUndo : public CUndo {
public:
    struct Counts {
        int undone = 0;
        int redone = 0;
        int released = 0;
    };

    explicit ProbeUndo(Counts& counts, core::AdaptorInterface* recordOnUndo = nullptr)
        : counts_(counts), recordOnUndo_(recordOnUndo) {}

    void undo() override {
        ++counts_.undone;
        if (recordOnUndo_) addedDuringUndo = recordOnUndo_->addUndoUnit(new ProbeUndo(counts_));
    }
    void redo() override { ++counts_.redone; }
    void release() override {
        ++counts_.released;
        delete this;
    }

    inline static bool addedDuringUndo = false;

private:
    Counts& counts_;
    core::AdaptorInterface* recordOnUndo_;
};

class MemoryAdaptorUndo : public ::testing::Test {
protected:
    // Declared first: the adaptor releases its units, and so touches the counts, when it goes.
    ProbeUndo::Counts counts;
    HostAdaptor adaptor;
    TestOwner owner{"Rig"};
};

TEST_F(MemoryAdaptorUndo, NestedGroupsCommitOneStepUnderTheOuterLabel) {
    adaptor.beginUndoGroup("outer");
    adaptor.beginUndoGroup("inner");
    EXPECT_TRUE(adaptor.isUndoRecording());
    EXPECT_FALSE(adaptor.addUndoUnit(new ProbeUndo(counts)));
    adaptor.endUndoGroup();
    EXPECT_FALSE(adaptor.addUndoUnit(new ProbeUndo(counts)));
    adaptor.endUndoGroup();
    EXPECT_FALSE(adaptor.isUndoRecording());

    EXPECT_EQ(adaptor.GetUndoLabels(), std::vector<std::string>{"outer"});
    adaptor.undo();
    EXPECT_EQ(counts.undone, 2);
    EXPECT_EQ(adaptor.GetRedoCount(), 1u);
    adaptor.redo();
    EXPECT_EQ(counts.redone, 2);

    // Outside a group a unit is not taken.
    EXPECT_TRUE(adaptor.addUndoUnit(new ProbeUndo(counts)));
    EXPECT_EQ(counts.released, 1);
    EXPECT_TRUE(adaptor.endUndoGroup());
}

TEST_F(MemoryAdaptorUndo, CancelInTheInnerGroupRollsBackTheWholeGroup) {
    CoreNode* node = adaptor.createCamera(&owner, "cam", nullptr, nullptr);
    adaptor.beginUndoGroup("outer");
    SetLocalAt(node, 0.0, Translation(1, 2, 3));
    adaptor.beginUndoGroup("inner");
    node->rename("renamed");
    adaptor.cancelUndoGroup();
    EXPECT_TRUE(adaptor.isUndoRecording()) << "the outer group is still open";
    adaptor.endUndoGroup();

    EXPECT_TRUE(adaptor.GetUndoLabels().empty());
    EXPECT_EQ(NameOf(node), "Rig_camTransform");
    ExpectMatrixNear(LocalAt(node, 0.0), util::Matrix<double>());

    // The cancel does not reach the next group.
    adaptor.beginUndoGroup("next");
    node->rename("kept");
    adaptor.endUndoGroup();
    EXPECT_EQ(adaptor.GetUndoLabels(), std::vector<std::string>{"next"});
}

TEST_F(MemoryAdaptorUndo, UndoneGroupRestoresEveryNodeItChanged) {
    CoreNode* parent = adaptor.createCamera(&owner, "parent", nullptr, nullptr);
    CoreNode* child = adaptor.createCamera(&owner, "child", nullptr, nullptr);
    SetLocalAt(parent, 0.0, Translation(0, 0, 10));
    SetLocalAt(child, 0.0, Translation(1, 0, 0));

    adaptor.beginUndoGroup("Rig edit");
    child->setParent(parent);
    child->rename("moved");
    SetLocalAt(child, 0.0, Translation(5, 5, 5));
    child->hide();
    adaptor.endUndoGroup();
    const util::Matrix<double> editedLocal = LocalAt(child, 0.0);

    adaptor.undo();
    EXPECT_EQ(child->getParent(), nullptr);
    EXPECT_EQ(NameOf(child), "Rig_childTransform");
    ExpectMatrixNear(LocalAt(child, 0.0), Translation(1, 0, 0));
    EXPECT_TRUE(child->isVisible());

    adaptor.redo();
    CNode* newParent = child->getParent();
    ASSERT_NE(newParent, nullptr);
    EXPECT_TRUE(parent->isSameNode(static_cast<CoreNode*>(newParent)));
    child->releaseNode(newParent);
    EXPECT_EQ(NameOf(child), "movedTransform");
    ExpectMatrixNear(LocalAt(child, 0.0), editedLocal);
    EXPECT_FALSE(child->isVisible());
}

TEST_F(MemoryAdaptorUndo, QueueBehavesLikeAHostQueue) {
    EXPECT_TRUE(adaptor.undo()) << "nothing to undo is no failure";
    EXPECT_TRUE(adaptor.redo());

    for (const char* label : {"one", "two"}) {
        adaptor.beginUndoGroup(label);
        adaptor.addUndoUnit(new ProbeUndo(counts));
        adaptor.endUndoGroup();
    }
    adaptor.beginUndoGroup("empty");
    adaptor.endUndoGroup();
    EXPECT_EQ(adaptor.GetUndoLabels(), (std::vector<std::string>{"one", "two"}))
        << "empty groups leave no step";

    adaptor.undo();
    adaptor.beginUndoGroup("three");
    adaptor.addUndoUnit(new ProbeUndo(counts));
    adaptor.endUndoGroup();
    EXPECT_EQ(adaptor.GetUndoLabels(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(adaptor.GetRedoCount(), 0u) << "a new step drops the redo tail";
    EXPECT_EQ(counts.released, 1);

    EXPECT_EQ(adaptor.clearUndo(), 0);
    EXPECT_TRUE(adaptor.GetUndoLabels().empty());
    EXPECT_EQ(counts.released, 3);
}

TEST_F(MemoryAdaptorUndo, UnitsAddedDuringReplayAreRefused) {
    adaptor.beginUndoGroup("step");
    adaptor.addUndoUnit(new ProbeUndo(counts, &adaptor));
    adaptor.endUndoGroup();
    adaptor.undo();
    EXPECT_TRUE(ProbeUndo::addedDuringUndo);
    EXPECT_EQ(counts.released, 1);
}

TEST_F(MemoryAdaptorUndo, DisabledHostUndoRecordsNothing) {
    adaptor.SetUndoEnabled(false);
    adaptor.beginUndoGroup("off");
    EXPECT_FALSE(adaptor.isUndoRecording());
    EXPECT_TRUE(adaptor.addUndoUnit(new ProbeUndo(counts)));
    adaptor.endUndoGroup();
    EXPECT_TRUE(adaptor.GetUndoLabels().empty());
}

TEST_F(MemoryAdaptorUndo, SelectionIsOneStepAndGroupSelectionAdds) {
    CoreNode* a = adaptor.createCamera(&owner, "a", nullptr, nullptr);
    CoreNode* b = adaptor.createCamera(&owner, "b", nullptr, nullptr);
    CoreNode* c = adaptor.createCamera(&owner, "c", nullptr, nullptr);
    const auto id = [](CoreNode* n) { return AsMemory(n)->GetObject(); };
    MemoryScene& scene = adaptor.GetScene();

    EXPECT_TRUE(a->select());
    EXPECT_TRUE(c->select());
    EXPECT_EQ(scene.GetSelection(), std::vector<ObjectId>{id(c)});
    EXPECT_EQ(adaptor.GetUndoLabels(), (std::vector<std::string>{"select object", "select object"}));

    EXPECT_TRUE(a->handle(CoreNode::kBeginGroupSelect, nullptr));
    a->select();
    b->select();
    EXPECT_TRUE(a->handle(CoreNode::kEndGroupSelect, nullptr));
    EXPECT_EQ(scene.GetSelection(), (std::vector<ObjectId>{id(c), id(a), id(b)}));
    EXPECT_EQ(adaptor.GetUndoLabels().back(), "NODE_BEGIN_GROUP_SELECT");

    adaptor.undo();
    EXPECT_EQ(scene.GetSelection(), std::vector<ObjectId>{id(c)});
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
