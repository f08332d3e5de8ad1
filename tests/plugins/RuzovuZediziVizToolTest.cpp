#include "core/CoreNode.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/Library.h"
#include "platform/win32/MessageBox.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizObject.h"
#include "tests/platform/win32/TempFolder.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"
#include "util/xml/Data.h"
#include "util/xml/Element.h"
#include "util/xml/Tag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace vex::orb::core::test {
namespace {

using addon::CRuzovuZediziVizObject;
using util::Matrix;
using V = util::Vector3<double>;

Matrix<double> Translation(const V& p) {
    return util::ToMatrix(util::QTransform<double>{p, {}});
}

// The compiled-in RuzovuZediziViz on each host under test.
class RuzovuZediziVizTool : public ToolOnHost<CRuzovuZediziVizObject> {
protected:
    RuzovuZediziVizTool() : ToolOnHost("RuzovuZediziViz", "RuzovuZediziViz_01") {}
};

TEST_P(RuzovuZediziVizTool, CreatesBothCamerasAndItsPageWithSpinnerChannels) {
    EXPECT_EQ(host_->Shape(Name("FollowCam")), HostShape::kCamera);
    EXPECT_EQ(World("AttachedCam", 0.0), Matrix<double>());

    util::xml::Element profile;
    instance_->WriteConfiguration(profile, "Mine");
    const util::xml::Element* group = profile.GetChild("group");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->GetAttribute("label"), "Motion Filter Parameters");
    const std::vector<std::string> labels{"Fixate Translations",
                                          "Translation Response Factor",
                                          "Translation Smoothing Factor",
                                          "Translation Max Velocity",
                                          "Fixate Rotations",
                                          "Rotation Response Factor",
                                          "Rotation Smoothing Factor",
                                          "Rotation Max Velocity"};
    ASSERT_EQ(group->CountChildren("item"), labels.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(group->GetChild("item", i)->GetAttribute("label"), labels[i]);
        const bool spinner = i != 0 && i != 4; // the two check boxes have no channel
        EXPECT_EQ(instance_->findInputChannel("Spinner: " + labels[i]) != nullptr, spinner) << labels[i];
    }

    // The page writes into the FollowCam's settings; "Re-Initialize" requests a restart, undo does not.
    EXPECT_TRUE(instance_->WriteById(1, 12.0));
    EXPECT_EQ(tool_->followCam.translationResponseFactor, 12.0);
    tool_->onEvent("REALUNDORe-Initialize");
    EXPECT_FALSE(tool_->reinitializeRequested);
    ASSERT_TRUE(EditOnPage("Re-Initialize"));
    EXPECT_TRUE(tool_->reinitializeRequested);
}

TEST_P(RuzovuZediziVizTool, SavedStateHasTheNamedFieldsReadsBackAndNeedsBothCameras) {
    tool_->followCam.translationResponseFactor = 12.5;
    tool_->followCam.rotationMaxVelocity = 3.0;
    tool_->followCam.fixateRotations = true;
    RunX("FollowCam", 0, 3); // four filter-memory keys: the start and three steps
    ASSERT_EQ(tool_->store(), 0);

    uint32_t size = 0;
    const uint8_t* bytes = instance_->getToolData(&size);
    const auto record = util::DataChunk::FromBytes(bytes, size);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->GetName(), "RuzovuZediziVizDataChunk");
    const std::vector<std::pair<std::string, size_t>> fields{
        {"bFirstTime", 1},
        {"ancRuzovuZediziVizNodeqTransMem", 16 + 4 * 64},
        {"cRuzovuZediziVizNode.translationalResponseFactor", 8},
        {"cRuzovuZediziVizNode.rotationalResponseFactor", 8},
        {"cRuzovuZediziVizNode.translationalSmoothingFactor", 8},
        {"cRuzovuZediziVizNode.rotationalSmoothingFactor", 8},
        {"cRuzovuZediziVizNode.translationalMaxVel", 8},
        {"cRuzovuZediziVizNode.rotationalMaxVel", 8},
        {"cRuzovuZediziVizNode.bFixateTranslations", 1},
        {"cRuzovuZediziVizNode.bFixateRotations", 1}};
    ASSERT_EQ(record->GetChildCount(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(record->GetChild(i).GetName(), fields[i].first);
        EXPECT_EQ(record->GetChild(i).GetSize(), fields[i].second) << fields[i].first;
    }

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_FALSE(loaded->firstTime);
    EXPECT_EQ(loaded->followCam.translationResponseFactor, 12.5);
    EXPECT_EQ(loaded->followCam.rotationMaxVelocity, 3.0);
    EXPECT_TRUE(loaded->followCam.fixateRotations);
    EXPECT_FALSE(loaded->followCam.fixateTranslations);
    EXPECT_EQ(loaded->memory.GetKeyCount(), 4);
    EXPECT_EQ(loaded->memory.get(2 * kFrame), tool_->memory.get(2 * kFrame));
    EXPECT_EQ(loaded->followCam.node, tool_->followCam.node);

    tool_->attachedCam.remove();
    EXPECT_NE(Reload()->restore(), 0);
}

TEST_P(RuzovuZediziVizTool, FollowCamChasesTheAnimatedAttachedCamAndReSimulatesTheSameWay) {
    // The user animates the AttachedCam from the origin to x = 10 over the first second.
    SetKey("AttachedCam", 0.0, Matrix<double>());
    SetKey("AttachedCam", 1.0, Translation({10, 0, 0}));

    const std::vector<double> first = RunX("FollowCam", 0, 75);
    EXPECT_EQ(first[0], 0.0) << "the first step moves by the velocity at rest";
    for (int f = 2; f <= 20; ++f) EXPECT_GT(first[f - 1], first[f - 2]) << "frame " << f;
    EXPECT_LT(first[11], 10.0 * 12 / 25) << "the FollowCam lags while the AttachedCam moves";
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 10.0) << "default settings overshoot";
    EXPECT_NEAR(first.back(), 10.0, 0.1);

    // Showing another time only refreshes the page; the recorded FollowCam stays as it was.
    const auto keys = KeysOf("FollowCam").size();
    instance_->TimeChanged(0.4);
    EXPECT_EQ(KeysOf("FollowCam").size(), keys);
    EXPECT_DOUBLE_EQ(World("FollowCam", 0.4).m[3][0], first[9]);

    // Re-simulating from frame 8 takes the velocities recorded there and repeats the motion.
    const std::vector<double> again = RunX("FollowCam", 8, 30);
    for (size_t i = 0; i < again.size(); ++i) EXPECT_DOUBLE_EQ(again[i], first[i + 8]) << i;
}

// Through the real-time loop: a take recorded tick by tick, then re-simulated from its start, leaves
// the FollowCam with the very keys of the take.
TEST_P(RuzovuZediziVizTool, ALoopTakeReSimulatesToTheSameFollowCamKeys) {
    for (int f = 0; f <= 50; ++f)
        SetKey("AttachedCam", f * kFrame, Translation({0.1 * f, 0.3 * std::sin(f), 0.0}));
    using Keys = HostKeys;
    const auto [take, again] =
        RecordAndResimulateLoopTake<Keys>(*core_, *host_, 2.0, [this] { return KeysOf("FollowCam"); });
    ASSERT_GT(take.size(), 40u);
    ExpectSameKeys(take, again);
}

TEST_P(RuzovuZediziVizTool, FollowCamKeepsItsScaleAndAMissingTargetIsTheOrigin) {
    Matrix<double> scaled = Translation({4, 0, 0});
    for (int i = 0; i < 3; ++i) scaled.m[0][i] *= 2.0;
    SetKey("FollowCam", 0.0, scaled);
    tool_->attachedCam.remove();
    tool_->followCam.fixateTranslations = true;
    RunX("FollowCam", 0, 1);
    const Matrix<double> after = World("FollowCam", kFrame);
    EXPECT_NEAR(util::Length(V{after.m[0][0], after.m[0][1], after.m[0][2]}), 2.0, 1e-12);
    EXPECT_NEAR(util::Length(V{after.m[1][0], after.m[1][1], after.m[1][2]}), 1.0, 1e-12);
    EXPECT_EQ(after.m[3][0], 0.0);
}

// A saved instance read back by a new tool object continues a run exactly as the original does.
TEST_P(RuzovuZediziVizTool, ARestoredInstanceContinuesIdentically) {
    for (int f = 0; f <= 12; ++f)
        SetKey("AttachedCam", f * kFrame, Translation({0.4 * f, 0.3 * std::sin(f), 0.1 * f * f}));
    tool_->followCam.translationResponseFactor = 12.5;
    tool_->followCam.rotationMaxVelocity = 3.0;
    RunX("FollowCam", 0, 12);
    const Keys original = ExpectRestoredContinuesIdentically("FollowCam", 6, 12);
    // The start frame the host keys as the first run begins, then frames 1 to 12 the runs key.
    ASSERT_EQ(original.size(), 13u);
    EXPECT_EQ(original.front().time, 0.0);
    EXPECT_NE(original[7].value, original[12].value);
}

// A clone owns copies of the camera's nodes, named after it, and restores without a missing-node box;
// undoing the clone takes the copies away again.
TEST_P(RuzovuZediziVizTool, ACloneCopiesTheNodesAndFindsThem) {
    platform::win32::MessageBoxRecorder boxes;
    ASSERT_EQ(core_->CloneInstance("RuzovuZediziViz_01"), "RuzovuZediziViz_02");
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
    auto* copy =
        dynamic_cast<CRuzovuZediziVizObject*>(core_->FindInstance("RuzovuZediziViz_02")->GetObject());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->followCam.node, nullptr);
    ASSERT_NE(copy->attachedCam.node, nullptr);
    EXPECT_NE(copy->followCam.node, tool_->followCam.node);
    ASSERT_TRUE(host_->Exists("RuzovuZediziViz_02_FollowCamTransform"));
    EXPECT_EQ(host_->Shape("RuzovuZediziViz_02_FollowCamTransform"), HostShape::kCamera);
    EXPECT_TRUE(host_->Exists("RuzovuZediziViz_02_AttachedCamTransform"));

    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(core_->FindInstance("RuzovuZediziViz_02"), nullptr);
    EXPECT_FALSE(host_->Exists("RuzovuZediziViz_02_FollowCamTransform"));
}

TEST_P(RuzovuZediziVizTool, DeletingTakesTheNodesAlongAndUndoBringsBothBack) {
    platform::win32::MessageBoxRecorder boxes;
    const std::string cam = "RuzovuZediziViz_01_FollowCamTransform";
    ASSERT_TRUE(host_->Exists(cam));
    core_->DeleteInstance("RuzovuZediziViz_01");
    tool_ = nullptr;
    instance_ = nullptr;
    EXPECT_EQ(core_->FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_FALSE(host_->Exists(cam));
    EXPECT_FALSE(host_->Exists("RuzovuZediziViz_01_AttachedCamTransform"));

    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
    auto* back =
        dynamic_cast<CRuzovuZediziVizObject*>(core_->FindInstance("RuzovuZediziViz_01")->GetObject());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(host_->Exists(cam));
    ASSERT_NE(back->followCam.node, nullptr);
    EXPECT_NE(back->attachedCam.node, nullptr);

    ASSERT_TRUE(host_->Redo());
    EXPECT_EQ(core_->FindInstance("RuzovuZediziViz_01"), nullptr);
    EXPECT_FALSE(host_->Exists(cam));

    // A new tool of the type makes the only set of nodes of that name.
    ASSERT_FALSE(core_->CreateTool("RuzovuZediziViz").empty());
    EXPECT_EQ(host_->CountShapes(HostShape::kCamera), 2);
}

TEST_P(RuzovuZediziVizTool, AModelBringsItsNodesAndEachInstanceOfItOwnsASet) {
    // A pre-rigged model saved from the rig: its cameras are listed in its node information.
    util::xml::Element model;
    core_->WriteDescription(core_->FindItem("RuzovuZediziViz_01"), model, 0);
    model.GetChild("name")->GetChildren().clear();
    model.GetChild("name")->AddChild(util::xml::Data("ChaseRig"));
    for (util::xml::Element& node : model.GetChild("nodeinfo")->GetChildren())
        if (node.IsTag()) node.SetAttribute("shape", "camera");
    util::xml::Element file = util::xml::Tag("VXB");
    file.AddChild(model);
    platform::win32::testing::TempFolder scratch;
    const std::string path = scratch.WriteFile("ChaseRig.prm", file.ToString());
    host_->WriteModelScene(path, model);
    int error = 0;
    ASSERT_NE(Library::Load(path, error), nullptr) << error;

    platform::win32::MessageBoxRecorder boxes;
    ASSERT_EQ(core_->CreateTool("ChaseRig"), "ChaseRig");
    ASSERT_EQ(core_->CreateTool("ChaseRig"), "ChaseRig_01");
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes().front().text;
    // The host name of the transform an instance's follow camera holds.
    const auto cameraOf = [&](const std::string& name) {
        auto* object = dynamic_cast<CRuzovuZediziVizObject*>(core_->FindInstance(name)->GetObject());
        std::string transform;
        auto* node = object != nullptr ? dynamic_cast<CoreNode*>(object->followCam.node) : nullptr;
        if (node != nullptr) {
            util::ReturnValue<std::string> out(&transform);
            node->getName(out);
        }
        return transform;
    };
    const std::string first = cameraOf("ChaseRig");
    const std::string second = cameraOf("ChaseRig_01");
    ASSERT_TRUE(host_->Exists(first)) << first;
    ASSERT_TRUE(host_->Exists(second)) << second;
    EXPECT_NE(first, second);
    EXPECT_EQ(host_->Shape(first), HostShape::kCamera);
    EXPECT_EQ(second, "ChaseRig_01_FollowCamTransform");

    // Undo takes the second instance and the nodes its model brought away together.
    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(core_->FindInstance("ChaseRig_01"), nullptr);
    EXPECT_FALSE(host_->Exists(second));
    EXPECT_TRUE(host_->Exists(first));
}

// The page the core built is the tool's own table, item for item.
TEST_P(RuzovuZediziVizTool, PageIsTheToolsTable) {
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, RuzovuZediziVizTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
