#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/ResimulationWindow.h"
#include "platform/win32/Clock.h"
#include "plugins/gyro/CGyroCam.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/DataChunk.h"
#include "util/Rotation.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace vex::orb::core::test {
namespace {

using addon::AxisRotation;
using addon::CGyroCam;
using util::Matrix;
using V = util::Vector3<double>;

constexpr double kDeg = std::numbers::pi / 180.0;

Matrix<double> Pose(const Matrix<double>& rotation, const V& p) {
    Matrix<double> m = rotation;
    m.m[3][0] = p.x;
    m.m[3][1] = p.y;
    m.m[3][2] = p.z;
    return m;
}
Matrix<double> About(const V& axis, double degrees) {
    return AxisRotation(axis, degrees * kDeg);
}
void ExpectBasisNear(const Matrix<double>& a, const Matrix<double>& b) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(a.m[r][c], b.m[r][c], 1e-12) << r << "," << c;
}

// The compiled-in Gyro on each host under test.
class GyroTool : public ToolOnHost<CGyroCam> {
protected:
    GyroTool() : ToolOnHost("Gyro", "Gyro_01") {}

    // Runs from frame `from` to frame `to`; answers the gyro's world matrix at the last frame.
    Matrix<double> Run(int from, int to) {
        BeginRun(from * kFrame, false);
        for (int f = from + 1; f <= to; ++f) instance_->Step(f * kFrame);
        EndRun();
        return World("gyro", to * kFrame);
    }
};

TEST_P(GyroTool, CreatesThreeHelpersAndThePageInItsOrder) {
    for (const char* name : {"pivot", "gyro", "eye"}) {
        EXPECT_EQ(host_->Shape(Name(name)), HostShape::kMesh) << name;
        EXPECT_TRUE(host_->IsSystemHelper(Name(name))) << name;
        EXPECT_EQ(World(name, 0.0), Matrix<double>()) << name;
    }
    EXPECT_EQ(host_->MeshVertexCount(Name("pivot")), 8u);
    EXPECT_EQ(host_->MeshVertexCount(Name("eye")), 26u);

    util::xml::Element profile;
    instance_->WriteConfiguration(profile, "Mine");
    const std::vector<std::pair<std::string, std::vector<std::string>>> groups{
        {"General Modes", {"Hide Helpers", "Hide Helpers During Recording", "Wireframe Mode"}},
        {"Gyro", {"Enable Gyro", "Gyro Restriction"}},
        {"Clone Eye's Position", {"Clone X-axis", "Clone Y-axis", "Clone Z-axis"}},
        {"Clone Eye's Scale", {"Clone X-axis", "Clone Y-axis", "Clone Z-axis"}}};
    for (size_t g = 0; g < groups.size(); ++g) {
        const util::xml::Element* group = profile.GetChild("group", g);
        ASSERT_NE(group, nullptr) << g;
        EXPECT_EQ(group->GetAttribute("label"), groups[g].first);
        ASSERT_EQ(group->CountChildren("item"), groups[g].second.size()) << groups[g].first;
        for (size_t i = 0; i < groups[g].second.size(); ++i)
            EXPECT_EQ(group->GetChild("item", i)->GetAttribute("label"), groups[g].second[i]);
    }
    EXPECT_EQ(tool_->Restriction(), "No restrictions");
}

TEST_P(GyroTool, SavedStateIsThirteenOneByteFlagsInOrderAndNeedsAllHelpers) {
    tool_->restrictionIndex = 3; // "Roll only" sets rotate about Z at begin
    tool_->enableGyro = true;
    tool_->clonePosition[1] = true;
    tool_->cloneScale[2] = true;
    tool_->wireframeMode = true;
    tool_->hideHelpersDuringRecording = false;
    Run(0, 1);
    ASSERT_EQ(tool_->store(), 0);

    uint32_t size = 0;
    const uint8_t* bytes = instance_->getToolData(&size);
    const auto record = util::DataChunk::FromBytes(bytes, size);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->GetName(), "gyro");
    const std::vector<std::pair<std::string, uint8_t>> fields{
        {"gyroRotX", 0},      {"gyroRotY", 0},      {"gyroRotZ", 1},    {"gyroRotation", 1},
        {"projectX", 0},      {"projectY", 1},      {"projectZ", 0},    {"projectXScale", 0},
        {"projectYScale", 0}, {"projectZScale", 1}, {"hideHelpers", 0}, {"hideHelpersDuringRecording", 0},
        {"wireframeMode", 1}};
    ASSERT_EQ(record->GetChildCount(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        const util::DataChunk& field = record->GetChild(i);
        EXPECT_EQ(field.GetName(), fields[i].first);
        ASSERT_EQ(field.GetSize(), 1u) << fields[i].first;
        EXPECT_EQ(field.GetData()[0], fields[i].second) << fields[i].first;
    }

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_TRUE(loaded->enableGyro);
    EXPECT_TRUE(loaded->rotateAboutZ);
    EXPECT_EQ(loaded->Restriction(), "Roll only") << "the restriction comes back from the saved flags";
    EXPECT_TRUE(loaded->clonePosition[1]);
    EXPECT_FALSE(loaded->clonePosition[0]);
    EXPECT_TRUE(loaded->cloneScale[2]);
    EXPECT_TRUE(loaded->wireframeMode);
    EXPECT_FALSE(loaded->hideHelpersDuringRecording);
    EXPECT_EQ(loaded->gyro.node, tool_->gyro.node);

    tool_->eye.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

// A restriction chosen after the last take (or with no take at all) survives saving and reopening.
TEST_P(GyroTool, ARestrictionChosenWithoutATakeComesBackWithTheScene) {
    for (int index : {2, 1, 0}) {
        tool_->restrictionIndex = index;
        ASSERT_EQ(tool_->store(), 0);
        auto loaded = Reload();
        ASSERT_EQ(loaded->restore(), 0);
        EXPECT_EQ(loaded->restrictionIndex, index);
    }
}

TEST_P(GyroTool, WithNothingEnabledTheGyroFollowsThePivotButKeepsItsOwnRotation) {
    SetKey("gyro", 0.0, About({0, 1, 0}, 30));
    Matrix<double> turned = About(V{1, 1, 0} * std::sqrt(0.5), 70);
    for (int c = 0; c < 3; ++c) turned.m[0][c] *= 2.0;
    SetKey("pivot", 0.0, Matrix<double>());
    SetKey("pivot", 1.0, Pose(turned, {10, 0, 0}));

    // "Yaw only" without "Enable Gyro" changes nothing.
    tool_->restrictionIndex = 1;
    const Matrix<double> g = Run(0, 25);
    Matrix<double> expected = About({0, 1, 0}, 30);
    for (int c = 0; c < 3; ++c) expected.m[0][c] *= 2.0;
    ExpectBasisNear(g, expected);
    EXPECT_NEAR(g.m[3][0], 10.0, 1e-12);
}

TEST_P(GyroTool, EnabledTheGyroTakesTheEyesRotationAtThePivot) {
    const Matrix<double> eyeRotation = About({0, 0, 1}, 25) * About({1, 0, 0}, -40) * About({0, 1, 0}, 35);
    SetKey("eye", 0.0, Pose(eyeRotation, {-3, 1, 2}));
    SetKey("pivot", 0.0, Pose(Matrix<double>(), {4, 5, 6}));
    tool_->enableGyro = true;
    Matrix<double> g = Run(0, 2);
    ExpectBasisNear(g, eyeRotation);
    EXPECT_EQ(g.m[3][1], 5.0);

    // "Yaw only": a pitched and rolled eye leaves the gyro turned only about the vertical axis.
    tool_->restrictionIndex = 1;
    g = Run(2, 4);
    ExpectBasisNear(g, About({0, 1, 0}, 35));
    EXPECT_EQ(g.m[1][1], 1.0);
    EXPECT_EQ(g.m[3][0], 4.0);
    EXPECT_EQ(g.m[3][2], 6.0);
}

TEST_P(GyroTool, CloneXPutsTheGyroOnTheEyesYZPlaneAndHelpersHideOnlyDuringTheTake) {
    SetKey("pivot", 0.0, Pose(Matrix<double>(), {7, 8, 9}));
    tool_->clonePosition[0] = true;
    BeginRun(0.0, false);
    EXPECT_FALSE(host_->ShapeVisible(Name("pivot")));
    EXPECT_FALSE(host_->ShapeVisible(Name("eye")));
    instance_->Step(kFrame);
    EndRun();
    EXPECT_TRUE(host_->ShapeVisible(Name("pivot")));
    EXPECT_TRUE(host_->ShapeVisible(Name("gyro")));
    const Matrix<double> g = World("gyro", kFrame);
    EXPECT_EQ(g.m[3][0], 0.0);
    EXPECT_EQ(g.m[3][1], 8.0);
    EXPECT_EQ(g.m[3][2], 9.0);

    // "Hide Helpers" ticked on the page, and its undo, reach the helpers.
    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_TRUE(tool_->hideHelpers);
    EXPECT_FALSE(host_->ShapeVisible(Name("gyro")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_FALSE(tool_->hideHelpers);
    EXPECT_TRUE(host_->ShapeVisible(Name("gyro")));
}

// Through the real-time loop: a take recorded tick by tick, then re-simulated from its start, leaves
// the gyro with the very keys of the take.
TEST_P(GyroTool, ALoopTakeReSimulatesToTheSameGyroKeys) {
    for (int f = 0; f <= 50; ++f) {
        SetKey("pivot", f * kFrame,
               Pose(About(V{1, 0, 1} * std::sqrt(0.5), 7.0 * f), {0.1 * f, std::sin(f), 0}));
        SetKey("eye", f * kFrame, About({0.6, 0.8, 0}, 3.0 * f));
    }
    tool_->enableGyro = true;
    tool_->restrictionIndex = 1;
    tool_->clonePosition[2] = true;
    using Keys = HostKeys;
    const auto [take, again] =
        RecordAndResimulateLoopTake<Keys>(*core_, *host_, 2.0, [this] { return KeysOf("gyro"); });
    ASSERT_GT(take.size(), 40u);

    ExpectSameKeys(take, again);
}

TEST_P(GyroTool, ARestoredInstanceContinuesTheSameWay) {
    for (int f = 0; f <= 10; ++f) SetKey("eye", f * kFrame, Pose(About({0.6, 0, 0.8}, 9.0 * f), {0, 1, 0}));
    SetKey("pivot", 0.0, Pose(About({0, 0, 1}, 15), {1, 2, 3}));
    tool_->enableGyro = true;
    tool_->restrictionIndex = 2;
    tool_->cloneScale[0] = true;
    Run(0, 5);
    ASSERT_EQ(tool_->store(), 0);
    const Matrix<double> first = Run(5, 10);

    auto loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    const Driving driving(*this);
    loaded->begin(5 * kFrame);
    for (int f = 6; f <= 10; ++f) loaded->step(f * kFrame);
    loaded->end();
    EXPECT_EQ(World("gyro", 10 * kFrame), first);
}

// The page the core built is the tool's own table, item for item.
TEST_P(GyroTool, PageIsTheToolsTable) {
    ExpectPageIs(*instance_, tool_->Page());
}

INSTANTIATE_TEST_SUITE_P(, GyroTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
