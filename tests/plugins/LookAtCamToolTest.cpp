#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CMesh_Box.h"
#include "plugins/lookatcam/CLookAtCamObject.h"
#include "tests/plugins/CameraAimChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vex::orb::core::test {
namespace {

using addon::CLookAtCamObject;
using util::Matrix;
using V = util::Vector3<double>;

class LookAtCamTool : public ToolOnHost<CLookAtCamObject> {
protected:
    LookAtCamTool() : ToolOnHost("LookAtCam", "LookAtCam_01"), focus_(nullptr, unidevice::kAnyControl, 0.0) {}

    void SetUp() override {
        ToolOnHost::SetUp();
        instance_->findInputChannel(CLookAtCamObject::kFocusInput)->SetControl(&focus_);
    }

    // The target rides on a user's object that circles and bobs, the camera on a dolly that moves
    // sideways and rises, keyed frame by frame up to `frames`.
    void KeyMovingRig(int frames) {
        host_->AddMesh("Mover", util::CMesh_Box(1.0, 1.0, 1.0));
        host_->Parent(Name("TargetMesh"), "Mover");
        for (int f = 0; f <= frames; ++f) {
            const double t = f * kFrame;
            Matrix<double> mover = util::EulerXYZToMatrix(V{0.2 * t, 0.7 * t, 0.0});
            mover.m[3][0] = 4.0 * std::sin(t);
            mover.m[3][1] = 0.5 * std::sin(3.0 * t);
            mover.m[3][2] = 4.0 * std::cos(t) - 4.0;
            host_->SetKey("Mover", t, mover);
            Matrix<double> dolly;
            dolly.m[3][0] = 3.0 * t;
            dolly.m[3][1] = 1.0 + t;
            dolly.m[3][2] = 2.0;
            SetKey("LookAtCam", t, dolly);
        }
    }
    double FocusDistance(double t) {
        double fieldOfView = 0.0, focus = 0.0;
        EXPECT_TRUE(tool_->camera.ReadLens(t, fieldOfView, focus));
        return focus;
    }
    double TargetDistance(double t) {
        return util::Length(Row(World("TargetMesh", t), 3) - Row(World("LookAtCam", t), 3));
    }

    unidevice::Control focus_;
};

TEST_P(LookAtCamTool, CreatesCameraAndTargetAimedAtItWithChannelAndPage) {
    EXPECT_EQ(host_->Shape(Name("LookAtCam")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("TargetMesh")), 0u);
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva LookAtCam");
    EXPECT_EQ(instance_->findInputChannel(CLookAtCamObject::kFocusInput)->GetAccepts(), 14u);
    EXPECT_NEAR(AimCosine(World("LookAtCam", 0.0), Row(World("TargetMesh", 0.0), 3)), 1.0, 1e-12);
    EXPECT_NEAR(FocusDistance(0.0), 10.0, 1e-9);
    ExpectPageIs(*instance_, tool_->Page());
}

// However the camera and the target move, each step leaves the camera looking at the target, level
// (its x axis horizontal), in place, and focused at the target's distance.
TEST_P(LookAtCamTool, AfterEveryStepTheCameraLooksAtTheTargetAndFocusesOnIt) {
    KeyMovingRig(50);
    BeginRun(0.0, false);
    for (int f = 1; f <= 50; ++f) {
        const double t = f * kFrame;
        instance_->Step(t);
        const Matrix<double> camera = World("LookAtCam", t);
        EXPECT_NEAR(AimCosine(camera, Row(World("TargetMesh", t), 3)), 1.0, 1e-12) << f;
        EXPECT_NEAR(camera.m[0][1], 0.0, 1e-12) << "no roll, frame " << f;
        EXPECT_NEAR(util::Length(Row(camera, 3) - V{3.0 * t, 1.0 + t, 2.0}), 0.0, 1e-9) << f;
        EXPECT_NEAR(FocusDistance(t), TargetDistance(t), 1e-9) << f;
    }
    EndRun();
}

// A lagging aim trails a target that jumps and catches up once it stays; the focus channel racks the
// focus off the target by up to its maximum, and the focus never goes below its minimum.
TEST_P(LookAtCamTool, TheAimLagsWithItsResponseFactorAndTheFocusOffsetRacks) {
    tool_->settings.aimResponseFactor = 0.2;
    tool_->settings.focusResponseFactor = 1.0;
    BeginRun(0.0, false);
    Matrix<double> moved;
    moved.m[3][0] = 6.0;
    moved.m[3][2] = -8.0;
    SetKey("TargetMesh", 0.0, moved);
    instance_->Step(kFrame);
    const double lagging = AimCosine(World("LookAtCam", kFrame), {6.0, 0.0, -8.0});
    EXPECT_LT(lagging, 0.999);
    for (int f = 2; f <= 100; ++f) instance_->Step(f * kFrame);
    EXPECT_NEAR(AimCosine(World("LookAtCam", 100 * kFrame), {6.0, 0.0, -8.0}), 1.0, 1e-9);
    EXPECT_NEAR(FocusDistance(100 * kFrame), 10.0, 1e-9);

    focus_.setValue(1.0);
    instance_->Step(101 * kFrame);
    EXPECT_NEAR(FocusDistance(101 * kFrame), 10.0 + tool_->settings.focusMaximum, 1e-9);
    focus_.setValue(-1.0);
    tool_->settings.focusMaximum = 50.0;
    instance_->Step(102 * kFrame);
    EXPECT_EQ(FocusDistance(102 * kFrame), tool_->settings.minimumFocusDistance);
    EndRun();
}

TEST_P(LookAtCamTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    tool_->settings.aimResponseFactor = 0.1;
    KeyMovingRig(50);
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("LookAtCam"); },
        [this](double t) { focus_.setValue(std::sin(3.0 * t)); });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does, from
// the middle of a lagging aim.
TEST_P(LookAtCamTool, ARestoredInstanceContinuesIdentically) {
    tool_->settings.aimResponseFactor = 0.05;
    KeyMovingRig(12);
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    const Keys keys = ExpectRestoredContinuesIdentically("LookAtCam", 6, 12);
    EXPECT_NE(keys.front().value, keys.back().value);
}

TEST_P(LookAtCamTool, HidingTheTargetUndoesAndAMissingTargetFailsTheRestore) {
    ASSERT_TRUE(EditOnPage("Hide Helpers"));
    EXPECT_FALSE(host_->ShapeVisible(Name("TargetMesh")));
    ASSERT_TRUE(host_->Undo());
    EXPECT_TRUE(host_->ShapeVisible(Name("TargetMesh")));
    ASSERT_EQ(tool_->store(), 0);
    tool_->target.remove();
    EXPECT_EQ(Reload()->restore(), 1);
}

INSTANTIATE_TEST_SUITE_P(, LookAtCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
