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
        if (recordOnUndo_) addedDuringUndo_ = recordOnUndo_->addUndoUnit(new ProbeUndo(counts_));
    }
    void redo() override { ++counts_.redone; }
    void release() override {
        ++counts_.released;
        delete this;
    }

    inline static bool addedDuringUndo_ = false;

private:
    Counts& counts_;
    core::AdaptorInterface* recordOnUndo_;
};

class MemoryAdaptorUndo : public ::testing::Test {
protected:
    // Declared first: the adaptor releases its units, and so touches the counts, when it goes.
    ProbeUndo::Counts counts_;
    HostAdaptor adaptor_;
    TestOwner owner_{"Rig"};
};

TEST_F(MemoryAdaptorUndo, NestedGroupsCommitOneStepUnderTheOuterLabel) {
    adaptor_.beginUndoGroup("outer");
    adaptor_.beginUndoGroup("inner");
    EXPECT_TRUE(adaptor_.isUndoRecording());
    EXPECT_FALSE(adaptor_.addUndoUnit(new ProbeUndo(counts_)));
    adaptor_.endUndoGroup();
    EXPECT_FALSE(adaptor_.addUndoUnit(new ProbeUndo(counts_)));
    adaptor_.endUndoGroup();
    EXPECT_FALSE(adaptor_.isUndoRecording());

    EXPECT_EQ(adaptor_.GetUndoLabels(), std::vector<std::string>{"outer"});
    adaptor_.undo();
    EXPECT_EQ(counts_.undone, 2);
    EXPECT_EQ(adaptor_.GetRedoCount(), 1u);
    adaptor_.redo();
    EXPECT_EQ(counts_.redone, 2);

    // Outside a group a unit is not taken.
    EXPECT_TRUE(adaptor_.addUndoUnit(new ProbeUndo(counts_)));
    EXPECT_EQ(counts_.released, 1);
    EXPECT_TRUE(adaptor_.endUndoGroup());
}

TEST_F(MemoryAdaptorUndo, CancelInTheInnerGroupRollsBackTheWholeGroup) {
    CoreNode* node = adaptor_.createCamera(&owner_, "cam", nullptr, nullptr);
    adaptor_.beginUndoGroup("outer");
    SetLocalAt(node, 0.0, Translation(1, 2, 3));
    adaptor_.beginUndoGroup("inner");
    node->rename("renamed");
    adaptor_.cancelUndoGroup();
    EXPECT_TRUE(adaptor_.isUndoRecording()) << "the outer group is still open";
    adaptor_.endUndoGroup();

    EXPECT_TRUE(adaptor_.GetUndoLabels().empty());
    EXPECT_EQ(NameOf(node), "Rig_camTransform");
    ExpectMatrixNear(LocalAt(node, 0.0), util::Matrix<double>());

    // The cancel does not reach the next group.
    adaptor_.beginUndoGroup("next");
    node->rename("kept");
    adaptor_.endUndoGroup();
    EXPECT_EQ(adaptor_.GetUndoLabels(), std::vector<std::string>{"next"});
}

TEST_F(MemoryAdaptorUndo, UndoneGroupRestoresEveryNodeItChanged) {
    CoreNode* parent = adaptor_.createCamera(&owner_, "parent", nullptr, nullptr);
    CoreNode* child = adaptor_.createCamera(&owner_, "child", nullptr, nullptr);
    SetLocalAt(parent, 0.0, Translation(0, 0, 10));
    SetLocalAt(child, 0.0, Translation(1, 0, 0));

    adaptor_.beginUndoGroup("Rig edit");
    child->setParent(parent);
    child->rename("moved");
    SetLocalAt(child, 0.0, Translation(5, 5, 5));
    child->hide();
    adaptor_.endUndoGroup();
    const util::Matrix<double> editedLocal = LocalAt(child, 0.0);

    adaptor_.undo();
    EXPECT_EQ(child->getParent(), nullptr);
    EXPECT_EQ(NameOf(child), "Rig_childTransform");
    ExpectMatrixNear(LocalAt(child, 0.0), Translation(1, 0, 0));
    EXPECT_TRUE(child->isVisible());

    adaptor_.redo();
    CNode* newParent = child->getParent();
    ASSERT_NE(newParent, nullptr);
    EXPECT_TRUE(parent->isSameNode(static_cast<CoreNode*>(newParent)));
    child->releaseNode(newParent);
    EXPECT_EQ(NameOf(child), "movedTransform");
    ExpectMatrixNear(LocalAt(child, 0.0), editedLocal);
    EXPECT_FALSE(child->isVisible());
}

TEST_F(MemoryAdaptorUndo, QueueBehavesLikeAHostQueue) {
    EXPECT_TRUE(adaptor_.undo()) << "nothing to undo is no failure";
    EXPECT_TRUE(adaptor_.redo());

    for (const char* label : {"one", "two"}) {
        adaptor_.beginUndoGroup(label);
        adaptor_.addUndoUnit(new ProbeUndo(counts_));
        adaptor_.endUndoGroup();
    }
    adaptor_.beginUndoGroup("empty");
    adaptor_.endUndoGroup();
    EXPECT_EQ(adaptor_.GetUndoLabels(), (std::vector<std::string>{"one", "two"}))
        << "empty groups leave no step";

    adaptor_.undo();
    adaptor_.beginUndoGroup("three");
    adaptor_.addUndoUnit(new ProbeUndo(counts_));
    adaptor_.endUndoGroup();
    EXPECT_EQ(adaptor_.GetUndoLabels(), (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(adaptor_.GetRedoCount(), 0u) << "a new step drops the redo tail";
    EXPECT_EQ(counts_.released, 1);

    EXPECT_EQ(adaptor_.clearUndo(), 0);
    EXPECT_TRUE(adaptor_.GetUndoLabels().empty());
    EXPECT_EQ(counts_.released, 3);
}

TEST_F(MemoryAdaptorUndo, UnitsAddedDuringReplayAreRefused) {
    adaptor_.beginUndoGroup("step");
    adaptor_.addUndoUnit(new ProbeUndo(counts_, &adaptor_));
    adaptor_.endUndoGroup();
    adaptor_.undo();
    EXPECT_TRUE(ProbeUndo::addedDuringUndo_);
    EXPECT_EQ(counts_.released, 1);
}

TEST_F(MemoryAdaptorUndo, DisabledHostUndoRecordsNothing) {
    adaptor_.SetUndoEnabled(false);
    adaptor_.beginUndoGroup("off");
    EXPECT_FALSE(adaptor_.isUndoRecording());
    EXPECT_TRUE(adaptor_.addUndoUnit(new ProbeUndo(counts_)));
    adaptor_.endUndoGroup();
    EXPECT_TRUE(adaptor_.GetUndoLabels().empty());
}

TEST_F(MemoryAdaptorUndo, SelectionIsOneStepAndGroupSelectionAdds) {
    CoreNode* a = adaptor_.createCamera(&owner_, "a", nullptr, nullptr);
    CoreNode* b = adaptor_.createCamera(&owner_, "b", nullptr, nullptr);
    CoreNode* c = adaptor_.createCamera(&owner_, "c", nullptr, nullptr);
    const auto id = [](CoreNode* n) { return AsMemory(n)->GetObject(); };
    MemoryScene& scene = adaptor_.GetScene();

    EXPECT_TRUE(a->select());
    EXPECT_TRUE(c->select());
    EXPECT_EQ(scene.GetSelection(), std::vector<ObjectId>{id(c)});
    EXPECT_EQ(adaptor_.GetUndoLabels(), (std::vector<std::string>{"select object", "select object"}));

    EXPECT_TRUE(a->handle(CoreNode::kBeginGroupSelect, nullptr));
    a->select();
    b->select();
    EXPECT_TRUE(a->handle(CoreNode::kEndGroupSelect, nullptr));
    EXPECT_EQ(scene.GetSelection(), (std::vector<ObjectId>{id(c), id(a), id(b)}));
    EXPECT_EQ(adaptor_.GetUndoLabels().back(), "NODE_BEGIN_GROUP_SELECT");

    adaptor_.undo();
    EXPECT_EQ(scene.GetSelection(), std::vector<ObjectId>{id(c)});
}

} // namespace
} // namespace vex::orb::adaptor::memory::test
