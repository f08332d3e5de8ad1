#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/autofocuscam/CAutoFocusCamObject.h"
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

using addon::CAutoFocusCamObject;
using util::Matrix;
using V = util::Vector3<double>;

class AutoFocusCamTool : public ToolOnHost<CAutoFocusCamObject> {
protected:
    AutoFocusCamTool()
        : ToolOnHost("ZoomAndFocusCam", "ZoomAndFocusCam_01"), zoom_(nullptr, unidevice::kAnyControl, 0.0),
          focal_(nullptr, unidevice::kAnyControl, 0.0) {}

    void SetUp() override {
        ToolOnHost::SetUp();
        instance_->findInputChannel(CAutoFocusCamObject::kZoomInput)->SetControl(&zoom_);
        instance_->findInputChannel(CAutoFocusCamObject::kFocalInput)->SetControl(&focal_);
    }
    // Two actors walking about in front of the camera, keyed frame by frame up to `frames`.
    void KeyWalkingTargets(int frames) {
        for (int f = 0; f <= frames; ++f) {
            const double t = f * kFrame;
            Matrix<double> first, second;
            first.m[3][0] = std::sin(t);
            first.m[3][2] = -4.0 - t;
            second.m[3][0] = -2.0 + t;
            second.m[3][2] = -12.0 + std::cos(2.0 * t);
            SetKey("Target_1", t, first);
            SetKey("Target_2", t, second);
        }
    }
    double FocusDistance(double t) {
        double fieldOfView = 0.0, focus = 0.0;
        EXPECT_TRUE(tool_->camera.ReadLens(t, fieldOfView, focus));
        return focus;
    }
    V At(const char* node, double t) { return Row(World(node, t), 3); }

    unidevice::Control zoom_;
    unidevice::Control focal_;
};

TEST_P(AutoFocusCamTool, CreatesCameraTargetsAndFocalPointWithChannelsAndPage) {
    EXPECT_EQ(host_->Shape(Name("AutoFocusCam")), HostShape::kCamera);
    for (const char* node : {"Target_1", "Target_2", "CurrentFocalPoint"})
        EXPECT_GT(host_->MeshFaceCount(Name(node)), 0u) << node;
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva AutoFocusCam");
    EXPECT_EQ(instance_->findInputChannel(CAutoFocusCamObject::kZoomInput)->GetAccepts(), 14u);
    EXPECT_EQ(instance_->findInputChannel(CAutoFocusCamObject::kFocalInput)->GetAccepts(), 5u);
    // A new camera focuses on target 1, 5 units ahead.
    EXPECT_NEAR(FocusDistance(0.0), 5.0, 1e-9);
    EXPECT_NEAR(util::Length(At("CurrentFocalPoint", 0.0) - At("Target_1", 0.0)), 0.0, 1e-12);
    ExpectPageIs(*instance_, tool_->Page());
}

// The focal channel pulls the focus between two moving targets: 0 on target 1, 1 on target 2, at once
// with a response factor of 1; with a free focal position a value between focuses between, without it the
// focus snaps to the nearer target. The focal point shows where it is, and the focus distance is its distance
// from the camera.
TEST_P(AutoFocusCamTool, TheFocalChannelPullsTheFocusBetweenTheTargets) {
    KeyWalkingTargets(40);
    tool_->settings.focalResponseFactor = 1.0;
    const auto expectFocusOn = [this](int f, const V& point) {
        const double t = f * kFrame;
        EXPECT_NEAR(util::Length(At("CurrentFocalPoint", t) - point), 0.0, 1e-9) << "frame " << f;
        EXPECT_NEAR(FocusDistance(t), util::Length(point - At("AutoFocusCam", t)), 1e-9) << f;
    };
    BeginRun(0.0, false);
    for (int f = 1; f <= 10; ++f) {
        instance_->Step(f * kFrame);
        expectFocusOn(f, At("Target_1", f * kFrame));
    }
    focal_.setValue(1.0);
    for (int f = 11; f <= 20; ++f) {
        instance_->Step(f * kFrame);
        expectFocusOn(f, At("Target_2", f * kFrame));
    }
    // Half-way along the slider, past the channel's dead zone: a place between the targets.
    focal_.setValue(0.5);
    const double u = instance_->findInputChannel(CAutoFocusCamObject::kFocalInput)->getValue();
    ASSERT_GT(u, 0.1);
    ASSERT_LT(u, 0.9);
    for (int f = 21; f <= 30; ++f) {
        instance_->Step(f * kFrame);
        const V first = At("Target_1", f * kFrame);
        expectFocusOn(f, first + (At("Target_2", f * kFrame) - first) * u);
    }
    tool_->settings.freeFocalPosition = false;
    focal_.setValue(0.4);
    for (int f = 31; f <= 40; ++f) {
        instance_->Step(f * kFrame);
        expectFocusOn(f, At("Target_1", f * kFrame));
    }
    EndRun();
}

// Full zoom-in at a maximum of 1 lengthens the focal length by e each second, zoom-out shortens it,
// and the lens stops at its limits.
TEST_P(AutoFocusCamTool, TheZoomChannelChangesTheFocalLengthExponentially) {
    tool_->settings.zoomResponseFactor = 1.0;
    const auto focalLength = [this] {
        return 1.0 / std::tan(0.5 * tool_->state.fieldOfView * std::numbers::pi / 180.0);
    };
    zoom_.setValue(1.0);
    BeginRun(0.0, false);
    const double start = focalLength();
    for (int f = 1; f <= 25; ++f) instance_->Step(f * kFrame);
    EXPECT_NEAR(focalLength() / start, std::exp(1.0), 1e-9);
    zoom_.setValue(-1.0);
    for (int f = 26; f <= 50; ++f) instance_->Step(f * kFrame);
    EXPECT_NEAR(focalLength() / start, 1.0, 1e-9);
    tool_->settings.zoomMaximum = 20.0;
    for (int f = 51; f <= 75; ++f) instance_->Step(f * kFrame);
    EXPECT_EQ(tool_->state.fieldOfView, tool_->settings.maximumFieldOfView);
    EndRun();
    EXPECT_NEAR(host_->FieldOfView(Name("AutoFocusCam"), 75 * kFrame), tool_->settings.maximumFieldOfView,
                1e-4);
}

TEST_P(AutoFocusCamTool, ALoopTakeReSimulatesToTheSameFocus) {
    KeyWalkingTargets(50);
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("CurrentFocalPoint"); },
        [this](double t) {
            focal_.setValue(0.5 + 0.5 * std::sin(3.0 * t));
            zoom_.setValue(std::cos(2.0 * t));
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does, from
// the middle of a focus pull and a zoom.
TEST_P(AutoFocusCamTool, ARestoredInstanceContinuesIdentically) {
    KeyWalkingTargets(12);
    focal_.setValue(1.0);
    zoom_.setValue(0.6);
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    ASSERT_EQ(tool_->store(), 0);
    const Keys original = Continue(*tool_, "CurrentFocalPoint", 6, 12);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    loaded->zoomChannel = tool_->zoomChannel;
    loaded->focalChannel = tool_->focalChannel;
    ExpectSameKeys(original, Continue(*loaded, "CurrentFocalPoint", 6, 12));
    EXPECT_NE(original.front().value, original.back().value);
    tool_->target2.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

INSTANTIATE_TEST_SUITE_P(, AutoFocusCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
