#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CCameraPlugin.h"
#include "interface/CMesh_Box.h"
#include "plugins/spherecam/CSphereCamObject.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace vex::orb::core::test {
namespace {

using addon::CSphereCamObject;
using util::Matrix;
using V = util::Vector3<double>;

V Row(const Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

// The compiled-in SphereCam on each host under test.
class SphereCamTool : public ToolOnHost<CSphereCamObject> {
protected:
    SphereCamTool() : ToolOnHost("SphereCam", "SphereCam_01") {}

    // The target parented to a user's object keyed along a path that moves and turns, frame by frame
    // up to `frames`, as a user points the rig at a moving object.
    void KeyMovingTarget(int frames) {
        host_->AddMesh("Mover", util::CMesh_Box(1.0, 1.0, 1.0));
        host_->Parent(Name("TargetMesh"), "Mover");
        for (int f = 0; f <= frames; ++f) {
            const double t = f * kFrame;
            Matrix<double> m = util::EulerXYZToMatrix(V{0.3 * std::sin(t), 0.8 * t, 0.1 * t});
            m.m[3][0] = 2.0 * t;
            m.m[3][1] = 0.5 * std::sin(3.0 * t);
            m.m[3][2] = -t;
            host_->SetKey("Mover", t, m);
        }
    }
};

TEST_P(SphereCamTool, CreatesTargetAndCameraOnTheSphereWithChannelsAndPage) {
    EXPECT_EQ(host_->Shape(Name("SphereCam")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("TargetMesh")), 0u);
    EXPECT_EQ(host_->Selection(), std::vector<std::string>{Name("SphereCam")});
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva SphereCam");
    // A new camera stands at the default radius on the target's +z side, looking at it.
    const Matrix<double> camera = World("SphereCam", 0.0);
    EXPECT_NEAR(util::Length(Row(camera, 3) - V{0.0, 0.0, 5.0}), 0.0, 1e-9);
    EXPECT_NEAR(Row(camera, 2).z, 1.0, 1e-9);
    for (const char* name : CSphereCamObject::kInputNames) {
        const unidevice::Property* channel = instance_->findInputChannel(name);
        ASSERT_NE(channel, nullptr) << name;
        EXPECT_EQ(channel->GetAccepts(), 14u) << name;
    }
    ExpectPageIs(*instance_, tool_->Page());
}

// Whatever the channels do and however the target moves and turns, the camera keeps the radius the
// tool reports from the target and looks at it; in gyro mode it keeps its place in the target's frame.
TEST_P(SphereCamTool, TheCameraStaysAtTheRadiusAndLooksAtTheTarget) {
    KeyMovingTarget(60);
    for (const bool gyro : {false, true}) {
        SCOPED_TRACE(gyro ? "gyro mode" : "world-aligned");
        tool_->gyroMode = gyro;
        Bind("Longitude (Right/Left)").setValue(0.8);
        Bind("Latitude (Up/Down)").setValue(-0.6);
        Bind("Radius (Out/In)").setValue(0.7);
        Bind("Roll (Right/Left)").setValue(0.4);
        BeginRun(0.0, false);
        double lastRadius = tool_->state.position.radius;
        for (int f = 1; f <= 60; ++f) {
            const double t = f * kFrame;
            instance_->Step(t);
            const Matrix<double> camera = World("SphereCam", t);
            const Matrix<double> target = World("TargetMesh", t);
            const V toTarget = Row(target, 3) - Row(camera, 3);
            const double radius = tool_->state.position.radius;
            EXPECT_NEAR(util::Length(toTarget), radius, 1e-9 * radius) << f;
            EXPECT_NEAR(util::Dot(-Row(camera, 2), toTarget / radius), 1.0, 1e-9) << f;
            EXPECT_GT(radius, lastRadius) << "the radius grows";
            lastRadius = radius;
            // The camera's place in the sphere's frame: the orbit itself in gyro mode.
            if (gyro) {
                Matrix<double> inverse;
                ASSERT_TRUE(util::Inverse(util::ToMatrix(util::ToQTransform(target)), inverse));
                const Matrix<double> relative = camera * inverse;
                const Matrix<double> orbit = addon::OrbitMatrix(tool_->state.position);
                for (int i = 0; i < 4; ++i)
                    for (int j = 0; j < 3; ++j) EXPECT_NEAR(relative.m[i][j], orbit.m[i][j], 1e-9) << f;
            }
        }
        EndRun();
        EXPECT_GT(tool_->position.longitude, 0.0);
        EXPECT_LT(tool_->position.latitude, 0.0);
        controls_.clear();
    }
}

TEST_P(SphereCamTool, APageEditMovesTheCameraAtOnceAndUndoesInOneStep) {
    host_->SetCurrentTime(0.0);
    ASSERT_TRUE(EditOnPage("Radius", 8.0));
    EXPECT_NEAR(Row(World("SphereCam", 0.0), 3).z, 8.0, 1e-9);
    ASSERT_TRUE(EditOnPage("Latitude", 90.0));
    // The latitude stays within its limit, and the camera looks down at the target.
    EXPECT_EQ(tool_->position.latitude, 89.0);
    EXPECT_NEAR(Row(World("SphereCam", 0.0), 3).y, 8.0 * std::sin(89.0 * std::numbers::pi / 180.0), 1e-9);
    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(tool_->position.latitude, 0.0);
    EXPECT_NEAR(Row(World("SphereCam", 0.0), 3).y, 0.0, 1e-9);
    ASSERT_TRUE(host_->Undo());
    EXPECT_NEAR(Row(World("SphereCam", 0.0), 3).z, 5.0, 1e-9);

    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_FALSE(host_->ShapeVisible(Name("TargetMesh")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(host_->ShapeVisible(Name("TargetMesh")));
}

// A take started at a frame of an earlier take goes on from that frame's state, moving rates and all;
// a page edit there makes it start at rest from the edited place instead.
TEST_P(SphereCamTool, ATakeStartedAtARecordedFrameGoesOnFromIt) {
    unidevice::Control& longitude = Bind("Longitude (Right/Left)");
    longitude.setValue(1.0);
    BeginRun(0.0, false);
    for (int f = 1; f <= 20; ++f) instance_->Step(f * kFrame);
    EndRun();
    const addon::SphereState atTen = *tool_->record.Nearest(10 * kFrame);
    ASSERT_GT(atTen.rates[0].second, 0.0);

    longitude.setValue(0.0);
    BeginRun(10 * kFrame, false);
    EXPECT_EQ(tool_->state.position.longitude, atTen.position.longitude);
    EXPECT_EQ(tool_->state.rates[0].second, atTen.rates[0].second) << "still turning";
    instance_->Step(11 * kFrame);
    EndRun();
    EXPECT_GT(tool_->state.position.longitude, atTen.position.longitude);

    host_->SetCurrentTime(10 * kFrame);
    tool_->timeChanged(10 * kFrame);
    EXPECT_EQ(tool_->position.longitude, atTen.position.longitude) << "the page shows the recorded place";
    ASSERT_TRUE(EditOnPage("Longitude", -30.0));
    BeginRun(10 * kFrame, false);
    EXPECT_EQ(tool_->state.position.longitude, -30.0);
    EXPECT_EQ(tool_->state.rates[0].second, 0.0) << "at rest";
    EndRun();
}

// Through the real-time loop: a take recorded tick by tick with all four channels changing, then
// re-simulated from its start, leaves the camera with the very keys of the take.
TEST_P(SphereCamTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    tool_->gyroMode = true;
    KeyMovingTarget(50);
    unidevice::Control& longitude = Bind("Longitude (Right/Left)");
    unidevice::Control& latitude = Bind("Latitude (Up/Down)");
    unidevice::Control& radius = Bind("Radius (Out/In)");
    unidevice::Control& roll = Bind("Roll (Right/Left)");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("SphereCam"); },
        [&](double t) {
            longitude.setValue(std::sin(2.0 * t));
            latitude.setValue(0.5 * std::cos(3.0 * t));
            radius.setValue(t < 1.0 ? 0.6 : -0.9);
            roll.setValue(0.3);
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does.
TEST_P(SphereCamTool, ARestoredInstanceContinuesIdentically) {
    Bind("Longitude (Right/Left)").setValue(0.9);
    Bind("Radius (Out/In)").setValue(-0.5);
    tool_->settings.responseFactors[0] = 0.05;
    tool_->gyroMode = true;
    KeyMovingTarget(12);
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();

    ASSERT_EQ(tool_->store(), 0);
    const Keys original = Continue(*tool_, "SphereCam", 6, 12);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_TRUE(loaded->gyroMode);
    EXPECT_EQ(loaded->settings.responseFactors[0], 0.05);
    EXPECT_EQ(loaded->record.Frames().size(), 13u);
    loaded->channels = tool_->channels;
    const Keys restored = Continue(*loaded, "SphereCam", 6, 12);
    ExpectSameKeys(original, restored);
    EXPECT_NE(original.front().value, original.back().value);
}

TEST_P(SphereCamTool, AMissingTargetFailsTheRestore) {
    ASSERT_EQ(tool_->store(), 0);
    EXPECT_EQ(Reload()->restore(), 0);
    tool_->target.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

INSTANTIATE_TEST_SUITE_P(, SphereCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
