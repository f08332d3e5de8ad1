#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/vezizazav/CVezizaZavObject.h"
#include "tests/plugins/LoopTakeSupport.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vex::orb::core::test {
namespace {

using addon::CVezizaZavObject;
using util::Matrix;
using Q = util::Quat<double>;
using V = util::Vector3<double>;

Matrix<double> Pose(const V& p, const Q& q = {}) {
    return util::ToMatrix(util::QTransform<double>{p, q});
}

// Same rotation up to sign.
void ExpectSameRotation(const Q& a, const Q& b) {
    EXPECT_NEAR(std::abs(util::Dot(a, b)), 1.0, 1e-12);
}

// The compiled-in VuzaZaderaRav on each host under test.
class VuzaZaderaRavTool : public ToolOnHost<CVezizaZavObject> {
protected:
    VuzaZaderaRavTool() : ToolOnHost("VezizaZav", "VuzaZaderaRav_01") {}
};

TEST_P(VuzaZaderaRavTool, AnswersToItsTypeNameAndBuildsBothCamerasAndItsPage) {
    EXPECT_EQ(host_->Shape(Name("FollowCam")), HostShape::kCamera);
    EXPECT_EQ(World("AttachedCam", 0.0), Matrix<double>());

    util::xml::Element profile;
    instance_->WriteConfiguration(profile, "Mine");
    ASSERT_EQ(profile.CountChildren("group"), 2u);
    const util::xml::Element* modes = profile.GetChild("group", 0);
    const util::xml::Element* camera = profile.GetChild("group", 1);
    EXPECT_EQ(modes->GetAttribute("label"), "General Modes");
    EXPECT_EQ(camera->GetAttribute("label"), "Camera Parameters");
    ASSERT_EQ(modes->CountChildren("item"), 2u); // the "Re-Initialize" button keeps no value
    EXPECT_EQ(modes->GetChild("item", 0)->GetAttribute("label"), "Hide AttachedCam");
    EXPECT_EQ(modes->GetChild("item", 1)->GetAttribute("label"), "Hide FollowCam");
    ASSERT_EQ(camera->CountChildren("item"), 2u);
    EXPECT_NE(instance_->findInputChannel("Spinner: Translation Response Factor"), nullptr);
    EXPECT_NE(instance_->findInputChannel("Spinner: Rotation Response Factor"), nullptr);
    EXPECT_EQ(tool_->followCam.translationResponseFactor, 0.1);
    EXPECT_EQ(tool_->followCam.rotationResponseFactor, 0.4);
}

TEST_P(VuzaZaderaRavTool, EachStageClosesAFixedShareOfTheGapPerSubStep) {
    // The AttachedCam jumps from the origin to x = 10, turned 90° about y, in the first frame.
    const Q turned{0.0, std::sin(M_PI / 4), 0.0, std::cos(M_PI / 4)};
    SetKey("AttachedCam", 0.0, Matrix<double>());
    SetKey("AttachedCam", kFrame, Pose({10, 0, 0}, turned));
    RunX("FollowCam", 0, 1);

    // Two sub-steps of 0.1 × 0.5 for translation and 0.4 × 0.5 for rotation, first towards the
    // AttachedCam, then the FollowCam towards the moved intermediate pose.
    const double stageOne = 10.0 * (1.0 - 0.95 * 0.95);
    EXPECT_NEAR(tool_->followCam.intermediatePosition.x, stageOne, 1e-12);
    const Matrix<double> follow = World("FollowCam", kFrame);
    EXPECT_NEAR(follow.m[3][0], stageOne * (1.0 - 0.95 * 0.95), 1e-12);

    const auto blend = [](const Q& from, const Q& to) {
        Q q = from * 0.64 + to * 0.36; // 1 − 0.8² of the way, component by component
        util::Normalize(q);
        return q;
    };
    const Q m = blend({}, turned);
    ExpectSameRotation(tool_->followCam.intermediateRotation, m);
    ExpectSameRotation(util::ToQTransform(follow).rotation, blend({}, m));

    // The intermediate pose is what the record keeps for that time.
    EXPECT_EQ(tool_->memory.get(kFrame), tool_->followCam.GetState());
}

TEST_P(VuzaZaderaRavTool, AResponseOfTwoMakesTheFollowCamCoincide) {
    tool_->followCam.translationResponseFactor = 2.0;
    tool_->followCam.rotationResponseFactor = 2.0;
    for (int f = 0; f <= 10; ++f)
        SetKey("AttachedCam", f * kFrame,
               Pose({0.5 * f, std::sin(f), 0}, util::EulerXYZToQuat(V{0.1 * f, 0.3 * f, 0})));
    RunX("FollowCam", 0, 10);
    for (int f = 1; f <= 10; ++f) {
        const Matrix<double> a = World("AttachedCam", f * kFrame);
        const Matrix<double> b = World("FollowCam", f * kFrame);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) EXPECT_NEAR(b.m[i][j], a.m[i][j], 1e-12) << f << " " << i << j;
    }
}

TEST_P(VuzaZaderaRavTool, SmoothsWithoutOvershootKeepsScaleAndReSimulatesTheSameWay) {
    SetKey("AttachedCam", 0.0, Matrix<double>());
    SetKey("AttachedCam", 0.4, Pose({10, 0, 0}));
    Matrix<double> scaled;
    scaled.m[1][1] = 3.0;
    SetKey("FollowCam", 0.0, scaled);

    const std::vector<double> first = RunX("FollowCam", 0, 100);
    for (size_t i = 1; i < first.size(); ++i) {
        EXPECT_GE(first[i], first[i - 1]) << i;
        EXPECT_LE(first[i], 10.0) << i;
    }
    EXPECT_NEAR(first.back(), 10.0, 0.01);
    const Matrix<double> last = World("FollowCam", 100 * kFrame);
    EXPECT_NEAR(util::Length(V{last.m[1][0], last.m[1][1], last.m[1][2]}), 3.0, 1e-12);

    // A sign-flipped intermediate rotation is the same rotation: the stages stay on one side.
    const auto pose = tool_->followCam.GetState();
    BeginRun(100 * kFrame, false);
    tool_->followCam.SetState({pose.translation, -pose.rotation});
    instance_->Step(101 * kFrame);
    EndRun();
    ExpectSameRotation(util::ToQTransform(World("FollowCam", 101 * kFrame)).rotation, Q{});

    // Re-simulating from frame 5 takes the intermediate pose recorded there and repeats the motion.
    const std::vector<double> again = RunX("FollowCam", 5, 30);
    for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i], first[i + 5]) << i;
}

TEST_P(VuzaZaderaRavTool, SavedStateHasTheNamedFieldsReadsBackAndNeedsBothCameras) {
    tool_->followCam.translationResponseFactor = 0.25;
    tool_->followCam.rotationResponseFactor = 0.75;
    tool_->hideFollowCam = true;
    RunX("FollowCam", 0, 3); // four keys: the start and three steps
    ASSERT_EQ(tool_->store(), 0);

    uint32_t size = 0;
    const uint8_t* bytes = instance_->getToolData(&size);
    const auto record = util::DataChunk::FromBytes(bytes, size);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->GetName(), "VezizaZavDataChunk");
    const std::vector<std::pair<std::string, size_t>> fields{{"sDataChunkSaveStruct", 2},
                                                             {"bFirstTime", 1},
                                                             {"ancVezizaZavNodeqTransMem", 16 + 4 * 64},
                                                             {"cVezizaZavNodetranslationalResponseFactor", 8},
                                                             {"cVezizaZavNoderotationalResponseFactor", 8}};
    ASSERT_EQ(record->GetChildCount(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(record->GetChild(i).GetName(), fields[i].first);
        EXPECT_EQ(record->GetChild(i).GetSize(), fields[i].second) << fields[i].first;
    }
    EXPECT_EQ(record->GetChild(0).GetData()[0], 0);
    EXPECT_EQ(record->GetChild(0).GetData()[1], 1);

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_FALSE(loaded->firstTime);
    EXPECT_FALSE(loaded->hideAttachedCam);
    EXPECT_TRUE(loaded->hideFollowCam);
    EXPECT_EQ(loaded->followCam.translationResponseFactor, 0.25);
    EXPECT_EQ(loaded->followCam.rotationResponseFactor, 0.75);
    EXPECT_EQ(loaded->memory.GetKeyCount(), 4);
    EXPECT_EQ(loaded->memory.get(2 * kFrame), tool_->memory.get(2 * kFrame));

    tool_->followCam.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

TEST_P(VuzaZaderaRavTool, HideBoxesHideTheirCameraAndUndoBringsItBack) {
    // The page writes the flag, then calls back; the host's undo and redo come back as events.
    ASSERT_TRUE(EditOnPage("Hide AttachedCam"));
    EXPECT_FALSE(host_->ShapeVisible(Name("AttachedCam")));
    EXPECT_TRUE(host_->ShapeVisible(Name("FollowCam")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_FALSE(tool_->hideAttachedCam);
    EXPECT_TRUE(host_->ShapeVisible(Name("AttachedCam")));
    ASSERT_TRUE(host_->Redo());
    EXPECT_TRUE(tool_->hideAttachedCam);
    EXPECT_FALSE(host_->ShapeVisible(Name("AttachedCam")));

    // "Re-Initialize" makes the next run start the intermediate stage on the AttachedCam again.
    RunX("FollowCam", 0, 2);
    SetKey("AttachedCam", 0.0, Pose({4, 0, 0}));
    ASSERT_TRUE(EditOnPage("Re-Initialize"));
    BeginRun(0.0, false);
    EXPECT_EQ(tool_->followCam.intermediatePosition.x, 4.0);
    EndRun();
}

// Through the real-time loop: a take recorded tick by tick, then re-simulated from its start, leaves
// the FollowCam with the very keys of the take.
TEST_P(VuzaZaderaRavTool, ALoopTakeReSimulatesToTheSameFollowCamKeys) {
    for (int f = 0; f <= 50; ++f)
        SetKey("AttachedCam", f * kFrame,
               Pose({0.1 * f, 0.3 * std::sin(f), 0.0}, util::EulerXYZToQuat(V{0.0, 0.2 * f, 0.0})));
    using Keys = HostKeys;
    const auto [take, again] =
        RecordAndResimulateLoopTake<Keys>(*core_, *host_, 2.0, [this] { return KeysOf("FollowCam"); });
    ASSERT_GT(take.size(), 40u);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does.
TEST_P(VuzaZaderaRavTool, ARestoredInstanceContinuesIdentically) {
    for (int f = 0; f <= 12; ++f)
        SetKey("AttachedCam", f * kFrame,
               Pose({0.4 * f, 0.3 * std::sin(f), 0.0}, util::EulerXYZToQuat(V{0.1 * f, 0.2 * f, 0.0})));
    tool_->followCam.translationResponseFactor = 0.25;
    tool_->followCam.rotationResponseFactor = 0.75;
    RunX("FollowCam", 0, 12);
    const Keys original = ExpectRestoredContinuesIdentically("FollowCam", 6, 12);
    // The start frame the host keys as the first run begins, then frames 1 to 12 the runs key.
    ASSERT_EQ(original.size(), 13u);
    EXPECT_EQ(original.front().time, 0.0);
    EXPECT_NE(original[7].value, original[12].value);
}

// The page the core built is the tool's own table, item for item.
TEST_P(VuzaZaderaRavTool, PageIsTheToolsTable) {
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, VuzaZaderaRavTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
