#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CMesh_Box.h"
#include "plugins/humanizercam/CHumanizerCamObject.h"
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
#include <memory>

namespace vex::orb::core::test {
namespace {

using addon::CHumanizerCamObject;
using addon::kShakeAmplitude;
using addon::kShakeAxisCount;
using util::Matrix;
using V = util::Vector3<double>;

// An animated camera the user humanizes: a dolly that moves along x at `speed` scene units per second
// and pans slowly, keyed frame by frame.
Matrix<double> Dolly(double t, double speed) {
    Matrix<double> m = util::EulerXYZToMatrix(V{0.0, 0.3 * t, 0.0});
    m.m[3][0] = speed * t;
    m.m[3][1] = 1.6;
    return m;
}

class HumanizerCamTool : public ToolOnHost<CHumanizerCamObject> {
protected:
    HumanizerCamTool() : ToolOnHost("HumanizerCam", "HumanizerCam_01") {}

    // Parents the camera to a user's camera keyed with the dolly up to `frames`, the humanizer 0.5
    // units above its parent (its rest pose).
    void RideOnDolly(int frames, double speed) {
        host_->AddMesh("Dolly", util::CMesh_Box(1.0, 1.0, 1.0));
        host_->Parent(Name("HumanizerCam"), "Dolly");
        for (int f = 0; f <= frames; ++f) host_->SetKey("Dolly", f * kFrame, Dolly(f * kFrame, speed));
        Matrix<double> rest;
        rest.m[3][1] = 0.5;
        host_->SetStatic(Name("HumanizerCam"), rest);
    }
    unidevice::Control& Bind(const char* name) {
        controls_.push_back(std::make_unique<unidevice::Control>(nullptr, unidevice::kAnyControl, 0.0));
        instance_->findInputChannel(name)->SetControl(controls_.back().get());
        return *controls_.back();
    }
    // Runs frames 1 … `frames` from 0 and answers the camera's local matrix at each.
    std::vector<Matrix<double>> Run(int frames) {
        std::vector<Matrix<double>> locals;
        BeginRun(0.0, false);
        for (int f = 1; f <= frames; ++f) {
            instance_->Step(f * kFrame);
            locals.push_back(Local("HumanizerCam", f * kFrame));
        }
        EndRun();
        return locals;
    }

    std::vector<std::unique_ptr<unidevice::Control>> controls_;
};

TEST_P(HumanizerCamTool, CreatesTheCameraWithChannelsAndPage) {
    EXPECT_EQ(host_->Shape(Name("HumanizerCam")), HostShape::kCamera);
    EXPECT_EQ(host_->Selection(), std::vector<std::string>{Name("HumanizerCam")});
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva HumanizerCam");
    for (const char* name : CHumanizerCamObject::kInputNames) {
        const unidevice::Property* channel = instance_->findInputChannel(name);
        ASSERT_NE(channel, nullptr) << name;
        EXPECT_EQ(channel->GetAccepts(), 14u) << name;
    }
    ExpectPageIs(*instance_, tool_->Page());
}

// The camera rides on its parent and wobbles about its rest pose within the amplitudes: each frame's
// local matrix is the shake of the recorded state times the rest pose, the wobble stays within 1.25
// amplitudes on every axis, and it does wobble on every axis.
TEST_P(HumanizerCamTool, TheCameraWobblesAboutItsRestPoseWithinTheAmplitudes) {
    RideOnDolly(75, 0.0);
    const std::vector<Matrix<double>> locals = Run(75);
    addon::ShakeAxes largest{};
    for (int f = 1; f <= 75; ++f) {
        const addon::ShakeState& s = *tool_->record.Nearest(f * kFrame);
        EXPECT_EQ(s.rest.m[3][1], 0.5);
        const addon::ShakeAxes offsets = addon::ShakeOffsets(s, tool_->settings);
        const Matrix<double> expected = addon::ShakenLocal(s, tool_->settings);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 3; ++j) EXPECT_NEAR(locals[f - 1].m[i][j], expected.m[i][j], 1e-9) << f;
        for (std::size_t k = 0; k < kShakeAxisCount; ++k) {
            EXPECT_LE(std::abs(offsets[k]), 1.25 * tool_->settings.amplitudes[k]) << k;
            largest[k] = std::max(largest[k], std::abs(offsets[k]));
        }
        // The world pose is the parent's with the shake on top: never far from the rest place.
        EXPECT_LT(util::Length(Row(World("HumanizerCam", f * kFrame), 3) - V{0.0, 2.1, 0.0}), 0.05) << f;
    }
    for (std::size_t k = 0; k < kShakeAxisCount; ++k)
        EXPECT_GT(largest[k], 0.2 * tool_->settings.amplitudes[k]) << "axis " << k << " shakes";
}

// The shake is the seed's: the same seed shakes the same way, bit for bit; another seed otherwise.
// The amplitude channel scales it exactly: −1 stills it, +1 doubles it.
TEST_P(HumanizerCamTool, TheSeedDecidesTheShakeAndTheAmplitudeChannelScalesIt) {
    RideOnDolly(30, 0.0);
    const std::vector<Matrix<double>> first = Run(30);
    EXPECT_TRUE(Run(30) == first) << "a take from the recorded first frame";
    tool_->record.Clear();
    EXPECT_TRUE(Run(30) == first) << "a fresh take from the same seed";
    tool_->record.Clear();
    tool_->settings.seed = 2;
    EXPECT_FALSE(Run(30) == first);

    tool_->record.Clear();
    tool_->settings.seed = 1;
    tool_->settings.responseFactors[kShakeAmplitude] = 1.0;
    unidevice::Control& amplitude = Bind("Shake Amplitude");
    amplitude.setValue(-1.0);
    for (const Matrix<double>& still : Run(30)) EXPECT_NEAR(still.m[3][1], 0.5, 1e-15);
    amplitude.setValue(1.0);
    Run(30);
    const addon::ShakeState doubled = *tool_->record.Nearest(30 * kFrame);
    addon::ShakeState single = doubled;
    single.gain = 1.0;
    const addon::ShakeAxes a = addon::ShakeOffsets(single, tool_->settings);
    const addon::ShakeAxes b = addon::ShakeOffsets(doubled, tool_->settings);
    for (std::size_t k = 0; k < kShakeAxisCount; ++k) EXPECT_DOUBLE_EQ(b[k], 2.0 * a[k]) << k;
}

TEST_P(HumanizerCamTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    RideOnDolly(50, 2.0);
    tool_->settings.motionThreshold = 0.5;
    unidevice::Control& amplitude = Bind("Shake Amplitude");
    unidevice::Control& frequency = Bind("Shake Frequency");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("HumanizerCam"); },
        [&](double t) {
            amplitude.setValue(std::sin(2.0 * t));
            frequency.setValue(0.5 * std::cos(3.0 * t));
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A take started at a frame of an earlier one goes on from that frame; a saved instance read back
// continues exactly as the original does; after "Re-Initialize" a take starts afresh about the
// camera's place then.
TEST_P(HumanizerCamTool, TakesContinueFromRecordedFramesAndRestoredInstances) {
    RideOnDolly(20, 1.5);
    Run(20);
    const addon::ShakeState atTen = *tool_->record.Nearest(10 * kFrame);
    BeginRun(10 * kFrame, false);
    EXPECT_EQ(tool_->state.random, atTen.random);
    EXPECT_EQ(tool_->state.curves[0].phase, atTen.curves[0].phase);
    EndRun();
    const Keys keys = ExpectRestoredContinuesIdentically("HumanizerCam", 6, 20);
    EXPECT_NE(keys.front().value, keys.back().value);

    ASSERT_TRUE(EditOnPage("Re-Initialize"));
    EXPECT_TRUE(tool_->record.Empty());
    ASSERT_TRUE(host_->Undo());
    EXPECT_FALSE(tool_->record.Empty());
    ASSERT_TRUE(host_->Redo());
    EXPECT_TRUE(tool_->record.Empty());
    Matrix<double> moved;
    moved.m[3][2] = 2.0;
    SetKey("HumanizerCam", 0.0, moved);
    BeginRun(0.0, false);
    EXPECT_EQ(tool_->state.rest.m[3][2], 2.0);
    EndRun();
}

INSTANTIATE_TEST_SUITE_P(, HumanizerCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
