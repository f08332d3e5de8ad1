#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CCameraPlugin.h"
#include "plugins/multistatecam/CMultiStateCamObject.h"
#include "plugins/statemachine/CStateMachineObject.h"
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

using addon::CMultiStateCamObject;
using addon::CStateMachineObject;
using util::Matrix;
using Pose = util::QTransform<double>;
using V = util::Vector3<double>;

Matrix<double> PoseMatrix(const V& position, const V& euler) {
    return util::ToMatrix(Pose{position, util::EulerXYZToQuat(euler)});
}

void ExpectNearMatrix(const Matrix<double>& actual, const Matrix<double>& expected, double tolerance) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(actual.m[i][j], expected.m[i][j], tolerance) << i << "," << j;
}

// A state tool on each host under test, with states stored the way the user stores them: the current
// node placed, then "Store Current As State n" pressed.
template <class Object>
class StateToolOnHost : public ToolOnHost<Object> {
protected:
    using Base = ToolOnHost<Object>;
    using Base::Base;

    void StoreAs(int n, const Matrix<double>& local) {
        this->host_->SetCurrentTime(0.0);
        this->host_->SetStatic(this->Name("CurrentState"), local);
        ASSERT_TRUE(this->EditOnPage("Store Current As State " + std::to_string(n)));
    }
    // States 2, 3 and 5 stored, the current node put back at the cage's origin.
    void StoreThreeStates() {
        StoreAs(2, PoseMatrix({-3.0, 1.0, 0.0}, {0.0, 0.6, 0.0}));
        StoreAs(3, PoseMatrix({4.0, 2.0, -1.0}, {-0.3, -1.2, 0.2}));
        StoreAs(5, PoseMatrix({0.0, 5.0, 6.0}, {1.0, 2.5, -0.4}));
        this->host_->SetStatic(this->Name("CurrentState"), Matrix<double>());
    }
};

class MultiStateCamTool : public StateToolOnHost<CMultiStateCamObject> {
protected:
    MultiStateCamTool() : StateToolOnHost("MultiStateCam", "MultiStateCam_01") {}
};

TEST_P(MultiStateCamTool, CreatesCageWantedStateAndCameraWithChannelsAndPage) {
    EXPECT_EQ(host_->Shape(Name("CurrentState")), HostShape::kCamera);
    EXPECT_GT(host_->MeshFaceCount(Name("RelativeCage")), 0u);
    EXPECT_GT(host_->MeshFaceCount(Name("WantedState")), 0u);
    EXPECT_EQ(host_->Selection(), std::vector<std::string>{Name("CurrentState")});
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva CMultiStateCam");
    for (const char* name : CMultiStateCamObject::kChannelNames) {
        const unidevice::Property* channel = instance_->findInputChannel(name);
        ASSERT_NE(channel, nullptr) << name;
        EXPECT_EQ(channel->GetAccepts(), 15u) << name;
    }
    ExpectPageIs(*instance_, tool_->Page());
    // The camera and the wanted state ride on the cage.
    host_->SetStatic(Name("RelativeCage"), PoseMatrix({1.0, 2.0, 3.0}, {0.0, 0.5, 0.0}));
    EXPECT_NEAR(World("CurrentState", 0.0).m[3][0], 1.0, 1e-12);
    EXPECT_NEAR(World("WantedState", 0.0).m[3][2], 3.0, 1e-12);
}

TEST_P(MultiStateCamTool, StoringAStateTakesTheCamerasPoseAndUndoes) {
    const Matrix<double> placed = PoseMatrix({4.0, 2.0, -1.0}, {-0.3, -1.2, 0.2});
    StoreAs(3, placed);
    ExpectNearMatrix(util::ToMatrix(tool_->states.Pose(3)), placed, 1e-9);
    EXPECT_EQ(tool_->states.Pose(4), Pose{});
    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(tool_->states.Pose(3), Pose{});
    ASSERT_TRUE(host_->Redo());
    ExpectNearMatrix(util::ToMatrix(tool_->states.Pose(3)), placed, 1e-9);

    // Choosing a state on the page shows it with the wanted node; undo shows the former one again.
    ASSERT_TRUE(EditOnPage("Wanted State", 3.0));
    ExpectNearMatrix(Local("WantedState", 0.0), placed, 1e-9);
    ASSERT_TRUE(host_->Undo());
    EXPECT_EQ(tool_->wantedState, 0);
    ExpectNearMatrix(Local("WantedState", 0.0), Matrix<double>(), 1e-12);
}

// With a response factor of 1 choosing state 3 cuts to it at the very step; with a smaller one the
// camera glides there, closer at every step, and arrives.
TEST_P(MultiStateCamTool, ChoosingStateThreeMovesTheCameraThereAtOnceOrSmoothly) {
    StoreThreeStates();
    const Matrix<double> three = util::ToMatrix(tool_->states.Pose(3));
    unidevice::Control& key = Bind("State 3");
    tool_->responseFactor = 1.0;
    BeginRun(0.0, false);
    instance_->Step(kFrame);
    ExpectNearMatrix(Local("CurrentState", kFrame), Matrix<double>(), 1e-12);
    key.setValue(1.0);
    instance_->Step(2 * kFrame);
    ExpectNearMatrix(Local("CurrentState", 2 * kFrame), three, 1e-9);
    ExpectNearMatrix(Local("WantedState", 2 * kFrame), three, 1e-9);
    EndRun();
    EXPECT_EQ(tool_->wantedState, 3);

    key.setValue(0.0);
    host_->SetStatic(Name("CurrentState"), Matrix<double>());
    tool_->record.Clear();
    tool_->responseFactor = 0.1;
    BeginRun(0.0, false);
    EXPECT_EQ(tool_->run.motion.second, Pose{}) << "a run starts where the camera is";
    key.setValue(1.0);
    double last = 1e300;
    for (int f = 1; f <= 150; ++f) {
        instance_->Step(f * kFrame);
        const Matrix<double> now = Local("CurrentState", f * kFrame);
        const double distance = util::Length(
            V{now.m[3][0] - three.m[3][0], now.m[3][1] - three.m[3][1], now.m[3][2] - three.m[3][2]});
        EXPECT_LT(distance, last) << f;
        if (f == 3) {
            EXPECT_GT(distance, 1.0) << "still on its way";
        }
        last = distance;
    }
    EndRun();
    ExpectNearMatrix(Local("CurrentState", 150 * kFrame), three, 1e-4);
}

// Through the real-time loop: a take in which the keys choose states while the camera is on its way,
// then re-simulated from its start, leaves the camera with the very keys of the take.
TEST_P(MultiStateCamTool, ALoopTakeReSimulatesToTheSameCameraKeys) {
    StoreThreeStates();
    tool_->responseFactor = 0.15;
    unidevice::Control& two = Bind("State 2");
    unidevice::Control& five = Bind("State 5");
    unidevice::Control& next = Bind("Next State");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("CurrentState"); },
        [&](double t) {
            two.setValue(t > 0.2 && t < 0.3 ? 1.0 : 0.0);
            five.setValue(t > 0.7 && t < 0.8 ? 1.0 : 0.0);
            next.setValue(t > 1.3 && t < 1.4 ? 1.0 : 0.0);
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_EQ(tool_->run.wanted, 6) << "five, then the next";
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object continues a run exactly as the original does: the
// states, the settings and the recorded runs travel with it.
TEST_P(MultiStateCamTool, ARestoredInstanceContinuesIdentically) {
    StoreThreeStates();
    tool_->responseFactor = 0.2;
    unidevice::Control& three = Bind("State 3");
    unidevice::Control& five = Bind("State 5");
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) {
        three.setValue(f == 2 ? 1.0 : 0.0);
        five.setValue(f >= 8 ? 1.0 : 0.0);
        instance_->Step(f * kFrame);
    }
    EndRun();

    ASSERT_EQ(tool_->store(), 0);
    const Keys original = Continue(*tool_, "CurrentState", 5, 12);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->states, tool_->states);
    EXPECT_EQ(loaded->responseFactor, 0.2);
    loaded->channels = tool_->channels;
    const Keys restored = Continue(*loaded, "CurrentState", 5, 12);
    ExpectSameKeys(original, restored);
    EXPECT_NE(original.front().value, original.back().value);
}

// A take started at a recorded frame goes on from the recorded run; once the camera is moved away
// from where the take left it, the run starts at rest where the camera is, heading for the page's state.
TEST_P(MultiStateCamTool, ARunGoesOnFromTheRecordUnlessTheCameraWasMoved) {
    StoreThreeStates();
    tool_->responseFactor = 0.1;
    Bind("State 5").setValue(1.0);
    BeginRun(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    EndRun();
    const addon::StateRun atFive = *tool_->record.Nearest(5 * kFrame);

    BeginRun(5 * kFrame, false);
    EXPECT_EQ(tool_->run.motion.first, atFive.motion.first) << "under way";
    EXPECT_EQ(tool_->run.wanted, 5);
    EndRun();

    const Matrix<double> moved = PoseMatrix({9.0, 0.0, 0.0}, {0.0, 0.0, 0.0});
    SetKey("CurrentState", 5 * kFrame, moved);
    tool_->wantedState = 2;
    BeginRun(5 * kFrame, false);
    ExpectNearMatrix(util::ToMatrix(tool_->run.motion.first), moved, 1e-12);
    EXPECT_EQ(tool_->run.motion.first, tool_->run.motion.second) << "at rest";
    EXPECT_EQ(tool_->run.wanted, 2);
    EndRun();
}

INSTANTIATE_TEST_SUITE_P(, MultiStateCamTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

// The state machine is the same rig with a helper instead of the camera.
class StateMachineTool : public StateToolOnHost<CStateMachineObject> {
protected:
    StateMachineTool() : StateToolOnHost("StateMachine", "StateMachine_01") {}
};

TEST_P(StateMachineTool, MovesItsHelperBetweenStatesAndReSimulatesTheTake) {
    EXPECT_EQ(host_->Shape(Name("CurrentState")), HostShape::kMesh);
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva StateMachine");
    ExpectPageIs(*instance_, tool_->Page());
    StoreThreeStates();
    tool_->responseFactor = 0.5;
    unidevice::Control& three = Bind("State 3");
    unidevice::Control& previous = Bind("Previous State");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("CurrentState"); },
        [&](double t) {
            three.setValue(t < 0.1 ? 1.0 : 0.0);
            previous.setValue(t > 1.0 && t < 1.1 ? 1.0 : 0.0);
        });
    ASSERT_GT(take.size(), 40u);
    ExpectSameKeys(take, again);
    EXPECT_EQ(tool_->run.wanted, 2);
    ExpectNearMatrix(take.back().value, util::ToMatrix(tool_->states.Pose(2)), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(, StateMachineTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
