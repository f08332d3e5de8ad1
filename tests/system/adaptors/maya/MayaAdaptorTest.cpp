#include "core/NodeOwner.h"
#include "core/NodeTag.h"
#include "host/file/SceneWriter.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "system/adaptors/maya/CDagModifierRestoreObj.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/MayaAdaptorInterface.h"
#include "system/adaptors/maya/SceneMerge.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"
#include "tests/core/CoreTestSupport.h"
#include "tests/platform/win32/TempFolder.h"

#include <gtest/gtest.h>
#include <maya/MAnimControl.h>
#include <maya/MDagModifier.h>
#include <maya/MDistance.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnCamera.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vex::orb::adaptor::maya {
namespace {

using host::CommandRegistry;
using host::UndoQueue;

struct Owner : core::NodeOwner {
    explicit Owner(std::string n) : name(std::move(n)) {}
    std::string getDisplayName() const override { return name; }
    std::string name;
};

util::Matrix<double> Translation(double x, double y, double z) {
    util::Matrix<double> m;
    m.m[3][0] = x;
    m.m[3][1] = y;
    m.m[3][2] = z;
    return m;
}

// The adaptor on a fresh embedded scene (centimetres, Y up, PAL frames) with its undo command
// registered and the core running on it.
class MayaAdaptorTest : public core::test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        host::Scene::Instance().Reset();
        UndoQueue::get().Flush();
        MTime::setUIUnit(MTime::kPALFrame);
        ASSERT_TRUE(
            CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator, "tests"));
        UndoManagement::DestroyInstance();
    }
    void TearDown() override {
        MayaAdaptorInterface::DestroyInstance();
        UndoQueue::get().Flush();
        UndoManagement::DestroyInstance();
        CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
        MGlobal::setYAxisUp();
        MDistance::setUIUnit(MDistance::kCentimeters);
        CoreTest::TearDown();
    }

    static MayaAdaptorInterface& Adaptor() { return MayaAdaptorInterface::Instance(); }
    CMayaNode* Camera(const std::string& name, core::CoreNode* parent = nullptr) {
        return static_cast<CMayaNode*>(Adaptor().createCamera(&owner_, name, parent, nullptr));
    }
    static MVector HostTranslation(CMayaNode& node) {
        return MFnTransform(node.GetTransformPath()).getTranslation(MSpace::kTransform);
    }
    static std::string Name(CMayaNode& node) {
        std::string name;
        util::ReturnValue<std::string> out(&name);
        node.getName(out);
        return name;
    }
    static std::string SceneText() { return host::file::SceneWriter::text("scene.ma"); }
    // Writes `local` on `node` at `t` through its snapshot.
    static void Write(CMayaNode& node, double t, const util::Matrix<double>& local) {
        CSnapshot* snapshot = node.getSnapshot(t);
        snapshot->setMatrix(local);
        static_cast<CMayaNode::CMayaSnapshot*>(snapshot)->inUse = false;
    }
    static util::Matrix<double> Read(CMayaNode& node, double t) {
        util::Matrix<double> local;
        CSnapshot* snapshot = node.getSnapshot(t);
        snapshot->getMatrix(local);
        static_cast<CMayaNode::CMayaSnapshot*>(snapshot)->inUse = false;
        return local;
    }

    Owner owner_{"Rig"};
};

TEST_F(MayaAdaptorTest, NamesFramesAndRanges) {
    MayaAdaptorInterface& adaptor = Adaptor();
    EXPECT_EQ(adaptor.getDisplayName(), "Maya 2014 Adaptor");
    EXPECT_EQ(adaptor.getHostFolderName(), "adaptor_maya2014");
    std::vector<std::string> variants;
    util::ReturnValue<std::vector<std::string>> out(&variants);
    adaptor.getHostNameVariants(out);
    EXPECT_EQ(variants, (std::vector<std::string>{"Maya_2014", "Maya", ""}));

    EXPECT_EQ(adaptor.getFramesPerSecond(), 25.0);
    MTime::setUIUnit(MTime::kNTSCFrame);
    EXPECT_EQ(adaptor.getFramesPerSecond(), 30.0);
    EXPECT_DOUBLE_EQ(adaptor.getFrameDuration(), 1.0 / 30.0);

    // Start after end goes to the host unchanged.
    adaptor.setPlaybackRange({4.0, 2.0});
    EXPECT_DOUBLE_EQ(MAnimControl::minTime().as(MTime::kSeconds), 4.0);
    EXPECT_DOUBLE_EQ(MAnimControl::maxTime().as(MTime::kSeconds), 2.0);
    adaptor.setCurrentTime(1.5);
    EXPECT_DOUBLE_EQ(adaptor.getCurrentTime(), 1.5);
}

TEST_F(MayaAdaptorTest, CamerasAreNamedAfterTheirOwnerAndASecondOneIsMadeUnique) {
    CMayaNode* first = Camera("Cam");
    CMayaNode* second = Camera("Cam");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Name(*first), "Rig_CamTransform");
    EXPECT_NE(Name(*second), "Rig_CamTransform");
    EXPECT_EQ(Name(*second).rfind("Rig_CamTransform", 0), 0u);
    EXPECT_EQ(std::string(MFnDependencyNode(first->GetPath().node()).name().asChar()), "Rig_Cam");
    EXPECT_TRUE(first->GetPath().hasFn(MFn::kCamera));
    EXPECT_EQ(first->getParent(), nullptr);
    EXPECT_EQ(Adaptor().findNode(&owner_, "Cam"), first);
    // The near plane is a tenth of a new camera's.
    EXPECT_NEAR(MFnCamera(first->GetPath()).nearClippingPlane(), 0.01, 1e-12);
}

TEST_F(MayaAdaptorTest, WorldNodesAreConvertedToTheSceneUnitsAndAxesAndChildrenAreNot) {
    MGlobal::setZAxisUp();
    CMayaNode* parent = Camera("Parent");
    CMayaNode* child = Camera("Child", parent);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(parent->IsWorldParented());
    EXPECT_FALSE(child->IsWorldParented());

    Write(*parent, 0.0, Translation(1, 0, 0));
    MVector host = HostTranslation(*parent);
    EXPECT_NEAR(host.x, 100.0, 1e-9);
    Write(*parent, 0.0, Translation(0, 1, 0));
    host = HostTranslation(*parent);
    EXPECT_NEAR(host.y, 0.0, 1e-9);
    EXPECT_NEAR(host.z, 100.0, 1e-9);
    EXPECT_NEAR(Read(*parent, 0.0).m[3][1], 1.0, 1e-12);

    Write(*child, 0.0, Translation(0, 2, 0));
    host = HostTranslation(*child);
    EXPECT_NEAR(host.y, 2.0, 1e-12);
    util::Matrix<double> world;
    CSnapshot* snapshot = child->getSnapshot(0.0);
    snapshot->getWorldMatrix(world);
    EXPECT_NEAR(world.m[3][1], 1.0 + 2.0, 1e-9);
}

TEST_F(MayaAdaptorTest, ARecordingBuffersAndCommitsOneKeyPerSampleAndClearKeysAfterSparesTheFrameItself) {
    CMayaNode* node = Camera("Cam");
    bool recording = true;
    Adaptor().SetCoreRecordingQuery([&] { return recording; });
    Adaptor().beginUndoGroup("take");
    Adaptor().prepareRecording({&owner_});
    for (int f = 1; f <= 4; ++f) {
        Adaptor().setCurrentTime(f / 25.0);
        Write(*node, f / 25.0, Translation(f, 0, 0));
    }
    // Buffered: the keys wait for the end of the take.
    MFnAnimCurve tx(MFnDependencyNode(node->GetTransformPath().node()).findPlug("tx"));
    EXPECT_EQ(tx.numKeys(), 1u);
    Adaptor().finishRecording();
    Adaptor().endUndoGroup();
    recording = false;
    ASSERT_EQ(tx.numKeys(), 5u);
    EXPECT_NEAR(tx.value(3), 300.0, 1e-9);
    EXPECT_NEAR(Read(*node, 2.5 / 25.0).m[3][0], 2.5, 1e-9);

    // At the last key nothing goes; one frame earlier the last key goes.
    node->clearKeysAfter(4 / 25.0);
    EXPECT_EQ(tx.numKeys(), 5u);
    node->clearKeysAfter(3 / 25.0);
    EXPECT_EQ(tx.numKeys(), 4u);
}

TEST_F(MayaAdaptorTest, UndoingATakeThroughTheHostLeavesTheSceneAsItWas) {
    CMayaNode* node = Camera("Cam");
    Write(*node, 0.0, Translation(0.5, 0, 0));
    const std::string before = SceneText();
    bool recording = true;
    Adaptor().SetCoreRecordingQuery([&] { return recording; });
    Adaptor().beginUndoGroup("Record");
    Adaptor().prepareRecording({&owner_});
    for (int f = 1; f <= 10; ++f) {
        Adaptor().setCurrentTime(f / 25.0);
        Write(*node, f / 25.0, Translation(f, f * 0.5, 0));
    }
    Adaptor().finishRecording();
    Adaptor().setCurrentTime(0.0);
    Adaptor().endUndoGroup();
    recording = false;
    const std::string after = SceneText();
    EXPECT_NE(after, before);

    Adaptor().undo();
    EXPECT_EQ(SceneText(), before);
    Adaptor().redo();
    EXPECT_EQ(SceneText(), after);
}

TEST_F(MayaAdaptorTest, CreationUndoesAsOneStepAndACancelledGroupLeavesNoEntry) {
    Adaptor().beginUndoGroup("Create Tool");
    CMayaNode* node = Camera("Cam");
    Adaptor().endUndoGroup();
    const std::string made = SceneText();
    ASSERT_EQ(Adaptor().GetNodes().size(), 1u);
    Adaptor().undo();
    EXPECT_TRUE(Adaptor().GetNodes().empty());
    Adaptor().redo();
    ASSERT_EQ(Adaptor().GetNodes().size(), 1u);
    EXPECT_EQ(SceneText(), made);

    // A cancelled move puts the node back and enters nothing into the host's queue.
    const size_t entries = UndoQueue::get().size();
    Write(*node, 0.0, Translation(0, 0, 0));
    Adaptor().beginUndoGroup("move");
    auto* modifier = new MDagModifier();
    modifier->commandToExecute("setAttr Rig_CamTransform.tx 50");
    modifier->doIt();
    Adaptor().addUndoUnit(new CDagModifierRestoreObj(modifier));
    EXPECT_NEAR(HostTranslation(*node).x, 50.0, 1e-12);
    Adaptor().cancelUndoGroup();
    EXPECT_NEAR(HostTranslation(*node).x, 0.0, 1e-12);
    EXPECT_EQ(UndoQueue::get().size(), entries);
}

TEST_F(MayaAdaptorTest, DeletingANodeIsUndoneWithItsHostNodes) {
    CMayaNode* node = Camera("Cam");
    const std::string made = SceneText();
    Adaptor().beginUndoGroup("Delete");
    node->deleteNode(false);
    Adaptor().endUndoGroup();
    EXPECT_TRUE(Adaptor().GetNodes().empty());
    EXPECT_EQ(Adaptor().findNode(&owner_, "Cam"), nullptr);
    Adaptor().undo();
    ASSERT_EQ(Adaptor().GetNodes().size(), 1u);
    EXPECT_EQ(SceneText(), made);
    EXPECT_TRUE(Adaptor().GetNodes().front()->IsAlive());
}

TEST_F(MayaAdaptorTest, NodeOperations) {
    CMayaNode* a = Camera("A");
    CMayaNode* b = Camera("B");
    a->hide();
    EXPECT_FALSE(a->isVisible());
    a->show();
    EXPECT_TRUE(a->isVisible());

    EXPECT_TRUE(a->select());
    b->extension(core::CoreNode::kBeginGroupSelect, nullptr);
    b->select();
    a->extension(core::CoreNode::kEndGroupSelect, nullptr);
    MSelectionList selected;
    MGlobal::getActiveSelectionList(selected);
    EXPECT_EQ(selected.length(), 2u);

    EXPECT_TRUE(b->setParent(a));
    EXPECT_EQ(a->getChildCount(), 1);
    CNode* child = a->getChild(0);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(static_cast<CMayaNode*>(child)->isSameNode(b));
    a->releaseNode(child);
    EXPECT_TRUE(b->setParent(nullptr));
    EXPECT_EQ(a->getChildCount(), 0);

    b->rename("Bee");
    EXPECT_EQ(Name(*b), "BeeTransform");
}

} // namespace
} // namespace vex::orb::adaptor::maya

namespace vex::orb::adaptor::maya {
namespace {

TEST_F(MayaAdaptorTest, DuringATakeANodeAnswersWhatTheToolWroteAndAReadOnlyNodeItsKeys) {
    CMayaNode* written = Camera("Written");
    CMayaNode* target = Camera("Target");
    // The target is keyed before the take: at x = 0 m at 0 and x = 1 m at one second.
    MFnDependencyNode targetNode(target->GetTransformPath().node());
    MFnAnimCurve targetX;
    targetX.create(targetNode.findPlug("tx"));
    targetX.addKey(MTime(0.0, MTime::kSeconds), 0.0);
    targetX.addKey(MTime(1.0, MTime::kSeconds), 100.0);

    bool recording = true;
    Adaptor().SetCoreRecordingQuery([&] { return recording; });
    Adaptor().prepareRecording({&owner_});
    const double h = 1.0 / 25.0;
    for (int f = 1; f <= 10; ++f) {
        const double t = f * h;
        // What a tool does each step: read its own node one frame back, computed as t - h (a few
        // ulps off the frame it wrote), and the keyed target now.
        EXPECT_NEAR(Read(*written, t - h).m[3][0], (f - 1) * 0.1, 1e-12) << "frame " << f;
        EXPECT_NEAR(Read(*target, t).m[3][0], t, 1e-9) << "frame " << f;
        Write(*written, t, Translation(f * 0.1, 0, 0));
    }
    Adaptor().finishRecording();
    recording = false;
    EXPECT_NEAR(Read(*written, 5 * h).m[3][0], 0.5, 1e-9);
    EXPECT_NEAR(Read(*target, 0.5).m[3][0], 0.5, 1e-9);
}

} // namespace
} // namespace vex::orb::adaptor::maya

namespace vex::orb::adaptor::maya {
namespace {

TEST_F(MayaAdaptorTest, AUsersDeletionOfASystemTransformIsQueuedButTheSystemsOwnUndoIsNot) {
    Adaptor().beginUndoGroup("Create Tool");
    Camera("Cam");
    Adaptor().endUndoGroup();
    // Undoing the creation removes the transform through the adaptor's own list: no user edit.
    Adaptor().undo();
    EXPECT_TRUE(Adaptor().GetPendingPaths().empty());
    Adaptor().redo();

    ASSERT_TRUE(MGlobal::executeCommand("delete Rig_CamTransform", false, true));
    EXPECT_EQ(Adaptor().GetPendingPaths().size(), 1u);
}

TEST_F(MayaAdaptorTest, AModelMergesTheSceneBesideItAndAModelWithoutOneBringsNothing) {
    platform::win32::testing::TempFolder folder;
    const std::string model = folder.WriteFile("Rig.PRM", "<VXB/>");
    EXPECT_EQ(SceneMerge::SceneFileOf(model), "");
    const std::string binary = folder.WriteFile("Rig.mb", "");
    EXPECT_EQ(SceneMerge::SceneFileOf(model), binary);
    EXPECT_EQ(SceneMerge::SceneFileOf(binary), binary) << "a scene file is merged as it is";
    std::remove(binary.c_str());

    const size_t entries = UndoQueue::get().size();
    std::vector<core::CoreNode*> merged;
    core::NodeList out(&merged);
    Adaptor().mergeScene(model, out);
    EXPECT_TRUE(merged.empty());
    EXPECT_EQ(UndoQueue::get().size(), entries);

    folder.WriteFile("Rig.ma", "createNode transform -n \"Rig_CamTransform\";\n"
                               "\taddAttr -ci true -sn \"VXB_tag\" -ln \"VXB_tag\" -dt \"string\";\n"
                               "\tsetAttr \".VXB_tag\" -type \"string\" \"" +
                                   core::NodeTag{"Rig", "Cam"}.ToString() + "\";\n");
    Adaptor().mergeScene(model, out);
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0]->GetCreationName(), "Cam");
    merged[0]->release();
    EXPECT_NE(host::Scene::Instance().findNode("Rig_CamTransform"), nullptr) << "the namespace is gone";
    ASSERT_TRUE(Adaptor().undo());
    EXPECT_EQ(host::Scene::Instance().findNode("Rig_CamTransform"), nullptr);
}

} // namespace
} // namespace vex::orb::adaptor::maya
