#include "core/Instance.h"
#include "plugins/1dpositioner/C1DPositionerObject.h"
#include "plugins/1drotator/C1DRotatorObject.h"
#include "plugins/activescaler/C1DScalerObject.h"
#include "plugins/directinputlink/CDirectInputLinkObject.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vex::orb::core::test {
namespace {

using addon::C1DPositionerObject;
using addon::C1DRotatorObject;
using addon::C1DScalerObject;
using addon::CDirectInputLinkObject;
using util::Matrix;
using V = util::Vector3<double>;

// Every channel of `tool` following its input at once, without a change limit.
template <class Object>
void Immediate(Object& tool) {
    for (auto& s : tool.settings) {
        s.responseFactor = 1.0;
        s.changeLimit = 0.0;
    }
}

V Row(const Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

class DirectInputLinkTool : public ToolOnHost<CDirectInputLinkObject> {
protected:
    DirectInputLinkTool() : ToolOnHost("DirectInputLink", "DirectInputLink_01") {}
};

TEST_P(DirectInputLinkTool, CreatesTheCageTheLinkAndItsCameraWithChannelsAndPage) {
    EXPECT_GT(host_->MeshFaceCount(Name("RelativeCageMesh")), 0u);
    EXPECT_GT(host_->MeshFaceCount(Name("DirectInputLink")), 0u);
    EXPECT_EQ(host_->Shape(Name("DirectInputLinkCam")), HostShape::kCamera);
    EXPECT_EQ(host_->Selection(), std::vector<std::string>{Name("DirectInputLink")});
    for (const char* name : CDirectInputLinkObject::kInputNames) {
        const unidevice::Property* channel = instance_->findInputChannel(name);
        ASSERT_NE(channel, nullptr) << name;
        EXPECT_EQ(channel->GetAccepts(), 14u) << name;
        EXPECT_EQ(channel->GetExponent(), 1.0) << name;
    }
    EXPECT_EQ(tool_->settings[addon::kLinkYaw].maximum, std::numbers::pi / 2);
    EXPECT_EQ(tool_->settings[addon::kLinkUp].maximum, 1.0);
    ExpectPageIs(*instance_, tool_->Page());
    ASSERT_NE(FindOnPage(instance_->GetPage(), "Roll (Right/Left) Keep Trinary State"), nullptr);
    // "Hide Helpers" hides the cage and the link but not the camera riding on them; undo shows them.
    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_FALSE(host_->ShapeVisible(Name("RelativeCageMesh")));
    EXPECT_FALSE(host_->ShapeVisible(Name("DirectInputLink")));
    EXPECT_TRUE(host_->ShapeVisible(Name("DirectInputLinkCam")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(host_->ShapeVisible(Name("DirectInputLink")));
    ASSERT_TRUE(EditOnPage("Hide Camera"));
    EXPECT_FALSE(host_->ShapeVisible(Name("DirectInputLinkCam")));
    EXPECT_TRUE(host_->ShapeVisible(Name("RelativeCageMesh")));
    // The camera rides on the link, the link on the cage.
    host_->SetStatic(Name("RelativeCageMesh"), util::ToMatrix(util::QTransform<double>{{1.0, 2.0, 3.0}, {}}));
    EXPECT_NEAR(World("DirectInputLinkCam", 0.0).m[3][2], 3.0, 1e-12);
}

// Full forward, right and up with a full yaw to the right: the camera stands at (1, 1, −1) in the cage,
// its view turned right by the yaw's maximum; released, it returns to the cage's origin.
TEST_P(DirectInputLinkTool, TheInputsSetThePoseInTheCageAndReleasedTheyReturnIt) {
    Immediate(*tool_);
    unidevice::Control& forward = Bind("Forw/Backw Transl");
    unidevice::Control& right = Bind("Right/Left Transl");
    unidevice::Control& up = Bind("Up/Down Transl");
    unidevice::Control& yaw = Bind("Yaw (Right/Left)");
    unidevice::Control& pitch = Bind("Pitch (Up/Down)");
    forward.setValue(1.0);
    right.setValue(1.0);
    up.setValue(1.0);
    yaw.setValue(1.0);
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    Matrix<double> local = Local("DirectInputLink", kFrame);
    EXPECT_NEAR(local.m[3][0], 1.0, 1e-12);
    EXPECT_NEAR(local.m[3][1], 1.0, 1e-12);
    EXPECT_NEAR(local.m[3][2], -1.0, 1e-12);
    const V view = -Row(local, 2);
    EXPECT_NEAR(view.x, 1.0, 1e-9) << "turned right";
    EXPECT_NEAR(view.z, 0.0, 1e-9);

    yaw.setValue(0.0);
    pitch.setValue(1.0);
    instance_->Step(2 * kFrame);
    EXPECT_NEAR(-Row(Local("DirectInputLink", 2 * kFrame), 2).y, 1.0, 1e-9) << "pitched up";

    for (unidevice::Control* c : {&forward, &right, &up, &pitch}) c->setValue(0.0);
    instance_->Step(3 * kFrame);
    EndRun();
    local = Local("DirectInputLink", 3 * kFrame);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(local.m[i][j], i == j ? 1.0 : 0.0, 1e-12);
}

// Through the real-time loop: a take steered by changing inputs, with a latched and an integrated
// channel, re-simulates to the very keys of the take.
TEST_P(DirectInputLinkTool, ALoopTakeReSimulatesToTheSameKeys) {
    tool_->settings[addon::kLinkForward].keepTrinaryState = true;
    tool_->settings[addon::kLinkForward].integrate = true;
    tool_->settings[addon::kLinkRoll].responseFactor = 0.05;
    unidevice::Control& forward = Bind("Forw/Backw Transl");
    unidevice::Control& roll = Bind("Roll (Right/Left)");
    unidevice::Control& right = Bind("Right/Left Transl");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("DirectInputLink"); },
        [&](double t) {
            forward.setValue(t > 0.1 && t < 0.2 ? 1.0 : 0.0);
            roll.setValue(std::sin(3.0 * t));
            right.setValue(t > 1.0 ? -0.7 : 0.3);
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_LT(take.back().value.m[3][2], -1.0) << "the tap keeps it moving forward";
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does, and a
// run started at a recorded frame goes on from it unless the link was moved away since.
TEST_P(DirectInputLinkTool, ARestoredInstanceContinuesIdenticallyAndARunGoesOnFromTheRecord) {
    tool_->settings[addon::kLinkUp].integrate = true;
    tool_->settings[addon::kLinkYaw].maximum = 1.0;
    Bind("Up/Down Transl").setValue(0.8);
    Bind("Yaw (Right/Left)").setValue(-0.4);
    BeginRun(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    EndRun();
    // The finished run gives back the room its record grew into.
    EXPECT_EQ(tool_->record.Frames().capacity(), tool_->record.Frames().size());
    const CDirectInputLinkObject::Channels atFive = *tool_->record.Nearest(5 * kFrame);
    const Keys original = ExpectRestoredContinuesIdentically("DirectInputLink", 5, 12);
    EXPECT_NE(original.front().value.m[3][1], original.back().value.m[3][1]);

    BeginRun(5 * kFrame, false);
    EXPECT_EQ(tool_->run, atFive) << "under way";
    EndRun();
    SetKey("DirectInputLink", 5 * kFrame, util::ToMatrix(util::QTransform<double>{{9.0, 0.0, 0.0}, {}}));
    BeginRun(5 * kFrame, false);
    EXPECT_EQ(tool_->run, CDirectInputLinkObject::Channels{}) << "at rest";
    EndRun();
}

INSTANTIATE_TEST_SUITE_P(, DirectInputLinkTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class PositionerTool : public ToolOnHost<C1DPositionerObject> {
protected:
    PositionerTool() : ToolOnHost("1DPositioner", "1DPositioner_01") {}
};

// Integrating, the channel is the dummy's velocity along −z: it moves while held and stays when
// released. Its one channel follows the direct link's rules.
TEST_P(PositionerTool, DrivesTheDummysPositionOrVelocityAlongOneAxis) {
    EXPECT_EQ(tool_->ChannelCount(), 1u);
    EXPECT_EQ(instance_->findInputChannel("Forw/Backw Transl")->GetAccepts(), 14u);
    EXPECT_EQ(FindOnPage(instance_->GetPage(), "Hide Camera"), nullptr);
    ExpectPageIs(*instance_, tool_->Page());
    Immediate(*tool_);
    tool_->settings[0].integrate = true;
    tool_->settings[0].maximum = 2.0;
    unidevice::Control& input = Bind("Forw/Backw Transl");
    input.setValue(1.0);
    BeginRun(0.0, false);
    for (int f = 1; f <= 25; ++f) instance_->Step(f * kFrame);
    input.setValue(0.0);
    for (int f = 26; f <= 30; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_NEAR(Local("Positioner", 25 * kFrame).m[3][2], -2.0, 1e-9) << "two units in a second";
    EXPECT_EQ(Local("Positioner", 30 * kFrame), Local("Positioner", 25 * kFrame));
    EXPECT_EQ(Local("Positioner", 30 * kFrame).m[3][0], 0.0);
    // Held again, a restored positioner goes on as the original does.
    input.setValue(1.0);
    ExpectRestoredContinuesIdentically("Positioner", 10, 20);
}

INSTANTIATE_TEST_SUITE_P(, PositionerTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class RotatorTool : public ToolOnHost<C1DRotatorObject> {
protected:
    RotatorTool() : ToolOnHost("1DRotator", "1DRotator_01") {}
};

// The rotator turns its dummy about the chosen axis; the axis travels with the saved state.
TEST_P(RotatorTool, TurnsTheDummyAboutTheChosenAxis) {
    ExpectPageIs(*instance_, tool_->Page());
    Immediate(*tool_);
    ASSERT_TRUE(EditOnPage("Rotation Axis", 0.0));
    EXPECT_EQ(tool_->axis, 0);
    Bind("Rotation").setValue(1.0);
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    EndRun();
    const Matrix<double> local = Local("Rotator", kFrame);
    EXPECT_NEAR(local.m[0][0], 1.0, 1e-12) << "about x";
    EXPECT_NEAR(std::atan2(local.m[1][2], local.m[1][1]), std::numbers::pi / 2, 1e-9);
    ASSERT_EQ(tool_->store(), 0);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->axis, 0);
    EXPECT_EQ(loaded->settings[0], tool_->settings[0]);
}

// A take of the rotator turning at a changing rate re-simulates to its very keys.
TEST_P(RotatorTool, ALoopTakeReSimulatesToTheSameKeys) {
    tool_->settings[0].integrate = true;
    unidevice::Control& rate = Bind("Rotation");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 1.0, [this] { return KeysOf("Rotator"); },
        [&](double t) { rate.setValue(std::cos(5.0 * t)); });
    ASSERT_GT(take.size(), 20u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

INSTANTIATE_TEST_SUITE_P(, RotatorTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class ScalerTool : public ToolOnHost<C1DScalerObject> {
protected:
    ScalerTool() : ToolOnHost("ActiveScaler", "ActiveScaler_01") {}
};

// Released inputs give the unit scale; the uniform channel adds to every axis; no scale goes below
// the smallest one.
TEST_P(ScalerTool, ScalesTheDummyPerAxisFromTheUnitScale) {
    ExpectPageIs(*instance_, tool_->Page());
    Immediate(*tool_);
    unidevice::Control& uniform = Bind("Uniform Scale");
    unidevice::Control& x = Bind("X Scale");
    tool_->settings[addon::kScaleY].maximum = 5.0;
    Bind("Y Scale").setValue(-1.0);
    Bind("Z Scale").setValue(0.0);
    uniform.setValue(1.0);
    x.setValue(1.0);
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    EndRun();
    const Matrix<double> local = Local("Scaler", kFrame);
    EXPECT_NEAR(util::Length(Row(local, 0)), 3.0, 1e-12);
    EXPECT_NEAR(util::Length(Row(local, 1)), C1DScalerObject::kSmallestScale, 1e-12);
    EXPECT_NEAR(util::Length(Row(local, 2)), 2.0, 1e-12);
    ExpectRestoredContinuesIdentically("Scaler", 1, 8);
}

// A take of the scaler with a latched uniform scale and a limited x scale re-simulates to its very keys.
TEST_P(ScalerTool, ALoopTakeReSimulatesToTheSameKeys) {
    tool_->settings[addon::kScaleUniform].keepTrinaryState = true;
    tool_->settings[addon::kScaleX].changeLimit = 2.0;
    unidevice::Control& uniform = Bind("Uniform Scale");
    unidevice::Control& x = Bind("X Scale");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("Scaler"); },
        [&](double t) {
            uniform.setValue(t > 0.2 && t < 0.3 ? 1.0 : 0.0);
            x.setValue(t > 0.5 ? -1.0 : 1.0);
        });
    ASSERT_GT(take.size(), 20u);
    EXPECT_NEAR(util::Length(Row(take.back().value, 1)), 2.0, 1e-2) << "the latched uniform scale holds";
    ExpectSameKeys(take, again);
}

INSTANTIATE_TEST_SUITE_P(, ScalerTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
