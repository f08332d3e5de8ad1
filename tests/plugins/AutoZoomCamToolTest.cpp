#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/horrorcam/CHorrorCamObject.h"
#include "tests/plugins/CameraAimChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/MathOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vex::orb::core::test {
namespace {

using addon::CHorrorCamObject;
using util::Matrix;
using V = util::Vector3<double>;

class AutoZoomCamTool : public ToolOnHost<CHorrorCamObject> {
protected:
    AutoZoomCamTool()
        : ToolOnHost("AutoZoomCam", "AutoZoomCam_01"), width_(nullptr, unidevice::kAnyControl, 0.0) {}

    void SetUp() override {
        ToolOnHost::SetUp();
        instance_->findInputChannel(CHorrorCamObject::kWidthInput)->SetControl(&width_);
    }
    // The camera dollies in on the target (10 units ahead) and drifts sideways and up over `frames`.
    void KeyDollyIn(int frames, double closest) {
        for (int f = 0; f <= frames; ++f) {
            const double u = static_cast<double>(f) / frames;
            Matrix<double> m;
            m.m[3][0] = 2.0 * u;
            m.m[3][1] = 0.5 * u;
            m.m[3][2] = -(10.0 - closest) * u;
            SetKey("AutoZoomCam", f * kFrame, m);
        }
    }
    // The target's width in the picture at `t`, as a share of the picture's width, for a target
    // 1 unit wide: 1 / (2 d tan(φ / 2)).
    double ImageShare(double t) {
        const Matrix<double> camera = World("AutoZoomCam", t);
        const V z = Row(camera, 2) / util::Length(Row(camera, 2));
        const double depth = util::Dot(Row(camera, 3) - Row(World("TargetMesh", t), 3), z);
        const double half = 0.5 * host_->FieldOfView(Name("AutoZoomCam"), t) * std::numbers::pi / 180.0;
        return 1.0 / (2.0 * depth * std::tan(half));
    }

    unidevice::Control width_;
};

TEST_P(AutoZoomCamTool, CreatesCameraAndTargetWithChannelAndPage) {
    EXPECT_EQ(host_->Shape(Name("AutoZoomCam")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("TargetMesh")), 0u);
    EXPECT_EQ(tool_->plugin->getIdentifier(), "AutoZoomCam");
    EXPECT_EQ(tool_->plugin->getFolderName(), "horrorcam");
    EXPECT_EQ(instance_->findInputChannel(CHorrorCamObject::kWidthInput)->GetAccepts(), 14u);
    ExpectPageIs(*instance_, tool_->Page());
}

// The contracting room: while the camera dollies in from 10 to 3 units and drifts, the target keeps
// its share of the picture within 0.5 % (the lens widens as the camera closes in), and the camera
// keeps looking at it with its focus on it.
TEST_P(AutoZoomCamTool, TheTargetKeepsItsSizeInThePictureWhileTheCameraDollies) {
    KeyDollyIn(50, 3.0);
    const double startFieldOfView = host_->FieldOfView(Name("AutoZoomCam"), 0.0);
    const double share = ImageShare(0.0);
    BeginRun(0.0, false);
    for (int f = 1; f <= 50; ++f) instance_->Step(f * kFrame);
    EndRun();
    // What the take keyed, frame by frame (a host may key the lens when the take ends).
    for (int f = 1; f <= 50; ++f) {
        const double t = f * kFrame;
        EXPECT_NEAR(ImageShare(t) / share, 1.0, 0.005) << f;
        EXPECT_NEAR(AimCosine(World("AutoZoomCam", t), Row(World("TargetMesh", t), 3)), 1.0, 1e-12) << f;
    }
    EXPECT_GT(host_->FieldOfView(Name("AutoZoomCam"), 50 * kFrame), 2.0 * startFieldOfView);
    double fieldOfView = 0.0, focus = 0.0;
    ASSERT_TRUE(tool_->camera.ReadLens(50 * kFrame, fieldOfView, focus));
    EXPECT_NEAR(focus, util::Length(V{2.0, 0.5, -7.0} - V{0.0, 0.0, -10.0}), 1e-9);
}

// The lens stops at its widest setting when the camera comes too close; the framing channel widens
// the picture, so the target shrinks in it.
TEST_P(AutoZoomCamTool, TheZoomStopsAtItsLimitAndTheChannelReframes) {
    tool_->settings.maximumFieldOfView = 100.0;
    KeyDollyIn(25, 0.5);
    BeginRun(0.0, false);
    for (int f = 1; f <= 25; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_NEAR(host_->FieldOfView(Name("AutoZoomCam"), 25 * kFrame), 100.0, 1e-4);

    KeyDollyIn(25, 10.0);
    tool_->record.Clear();
    BeginRun(0.0, false);
    const double share = ImageShare(0.0);
    width_.setValue(1.0);
    for (int f = 1; f <= 25; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_LT(ImageShare(25 * kFrame), 0.9 * share);
}

TEST_P(AutoZoomCamTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    KeyDollyIn(50, 4.0);
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("AutoZoomCam"); },
        [this](double t) { width_.setValue(std::sin(2.0 * t)); });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
    EXPECT_EQ(tool_->record.Frames().size(), 51u);
}

// A saved instance read back by a new tool object continues a run exactly as the original does, from
// the picture width the take began with; without aiming the camera keeps the user's keys.
TEST_P(AutoZoomCamTool, ARestoredInstanceContinuesIdenticallyAndAimingIsOptional) {
    KeyDollyIn(12, 5.0);
    width_.setValue(0.5);
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    const Keys keys = ExpectRestoredContinuesIdentically("AutoZoomCam", 6, 12);
    EXPECT_NE(keys.front().value, keys.back().value);

    tool_->aimAtTarget = false;
    KeyDollyIn(12, 5.0);
    const Keys user = KeysOf("AutoZoomCam");
    tool_->record.Clear();
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    ExpectSameKeys(user, KeysOf("AutoZoomCam"));
}

INSTANTIATE_TEST_SUITE_P(, AutoZoomCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
