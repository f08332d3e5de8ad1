#include "plugins/storedstates/StateMotion.h"

#include "util/DataChunk.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace vex::orb::addon {
namespace {

using Pose = util::QTransform<double>;
using V = util::Vector3<double>;

SelectionInputs Pressed(std::initializer_list<std::size_t> channels) {
    SelectionInputs inputs{};
    for (std::size_t k : channels) inputs[k] = 1.0;
    return inputs;
}

double Angle(const util::Quat<double>& a, const util::Quat<double>& b) {
    return 2.0 * std::acos(std::min(1.0, std::abs(util::Dot(a, b))));
}

TEST(StateMotion, AChannelChoosesWhenItGoesDownOnly) {
    StateRun run;
    ChooseState(run, Pressed({4}));
    EXPECT_EQ(run.wanted, 4);
    run.wanted = 1;
    ChooseState(run, Pressed({4}));
    EXPECT_EQ(run.wanted, 1) << "held, not pressed again";
    ChooseState(run, {});
    SelectionInputs half{};
    half[4] = 0.5;
    ChooseState(run, half);
    EXPECT_EQ(run.wanted, 1) << "0.5 is not held";
    ChooseState(run, Pressed({4}));
    EXPECT_EQ(run.wanted, 4);
    // Two at once apply in channel order.
    ChooseState(run, {});
    ChooseState(run, Pressed({7, 2}));
    EXPECT_EQ(run.wanted, 7);
}

TEST(StateMotion, NextAndPreviousCountAroundTheTenStates) {
    StateRun run;
    run.wanted = 9;
    ChooseState(run, Pressed({kNextState}));
    EXPECT_EQ(run.wanted, 0);
    ChooseState(run, {});
    ChooseState(run, Pressed({kPreviousState}));
    EXPECT_EQ(run.wanted, 9);
    ChooseState(run, {});
    ChooseState(run, Pressed({3, kNextState}));
    EXPECT_EQ(run.wanted, 4) << "next counts on from the state chosen at the same step";
}

TEST(StateMotion, AFactorOfOneOrZeroJumpsAndASmallerOneGlidesAlongTheArc) {
    StoredStates states;
    const Pose target{{2.0, -1.0, 4.0}, util::EulerXYZToQuat(V{0.4, -1.1, 0.3})};
    states.Store(6, target);
    for (double factor : {0.0, 1.0}) {
        StateRun run;
        StepStates(run, Pressed({6}), states, factor, 0.04);
        EXPECT_EQ(run.motion.second, target) << factor;
    }

    StateRun run;
    const Pose start = run.motion.second;
    double lastDistance = util::Length(target.translation);
    double lastAngle = Angle(start.rotation, target.rotation);
    for (int f = 0; f < 200; ++f) {
        StepStates(run, Pressed({6}), states, 0.1, 0.04);
        const Pose& now = run.motion.second;
        const double distance = util::Length(now.translation - target.translation);
        const double angle = Angle(now.rotation, target.rotation);
        EXPECT_LE(distance, lastDistance) << f;
        EXPECT_LE(angle, lastAngle + 1e-15) << f;
        EXPECT_NEAR(util::Dot(now.rotation, now.rotation), 1.0, 1e-12);
        // On the great arc: the turn so far is about the axis of the whole turn.
        const V sofar = util::ToRotationVector(util::Multiply(now.rotation, util::Conjugate(start.rotation)));
        const V whole =
            util::ToRotationVector(util::Multiply(target.rotation, util::Conjugate(start.rotation)));
        if (util::Length(sofar) > 1e-9) {
            EXPECT_NEAR(util::Length(util::Cross(sofar, whole)) / util::Length(whole), 0.0, 1e-9) << f;
        }
        lastDistance = distance;
        lastAngle = angle;
    }
    EXPECT_LT(lastDistance, 1e-6);
    EXPECT_LT(lastAngle, 1e-6);
    // It eases in: the first step covers less than the second.
    StateRun easing;
    StepStates(easing, Pressed({6}), states, 0.1, 0.04);
    const double first = util::Length(easing.motion.second.translation);
    StepStates(easing, Pressed({6}), states, 0.1, 0.04);
    EXPECT_LT(first, util::Length(easing.motion.second.translation) - first);
}

TEST(StateMotion, StoredStatesAreClampedAndSavedExactly) {
    StoredStates states;
    const Pose pose{{1.0, 2.0, 3.0}, util::EulerXYZToQuat(V{0.1, 0.2, 0.3})};
    states.Store(12, pose);
    EXPECT_EQ(states.Pose(9), pose) << "a number past the last is the last";
    EXPECT_EQ(states.Pose(-3), Pose{}) << "before the first, the first";

    util::DataChunk record("r", nullptr, 0);
    record.AddChild(states.Field("s").Write());
    ASSERT_EQ(record.GetChild(0).GetSize(), 10u * 7u * 8u);
    StoredStates read;
    read.Field("s").Read(record);
    EXPECT_EQ(read, states);

    // A rotation that is no unit quaternion (here the tenth state's w doubled) leaves the states.
    std::vector<uint8_t> bytes(record.GetChild(0).GetData(), record.GetChild(0).GetData() + 560);
    double w = 0.0;
    std::memcpy(&w, &bytes[560 - 8], 8);
    w *= 2.0;
    std::memcpy(&bytes[560 - 8], &w, 8);
    util::DataChunk damaged("r", nullptr, 0);
    damaged.AddChild(util::DataChunk("s", bytes.data(), bytes.size()));
    StoredStates untouched;
    untouched.Field("s").Read(damaged);
    EXPECT_EQ(untouched, StoredStates{});
}

} // namespace
} // namespace vex::orb::addon
