#include "plugins/dirivodarez/FlightStateCodec.h"
#include "plugins/dirivodarez/FreeFlight.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;

constexpr double kFrame = 0.04;

V Axis(const Q& q, int row) {
    const util::Matrix<double> r = util::ToMatrix(q);
    return {r.m[row][0], r.m[row][1], r.m[row][2]};
}

// A camera flown frame by frame with one raw input set.
struct Flight {
    FreeFlightParameters parameters;
    FreeFlightState state = RestingFlight({});
    FlightRawInputs raw{};

    void Frames(int n, double d = kFrame) {
        for (int i = 0; i < n; ++i) RunFreeFlight(state, raw, parameters, d);
    }
    const V& Position() const { return state.Pose().position; }
    double Speed(double d = kFrame) {
        const V before = Position();
        Frames(1, d);
        return util::Length(Position() - before) / d;
    }
};

TEST(FreeFlight, AFactorOfOneFollowsAtOnceAndAShortFrameIsOneSubStep) {
    Flight f;
    f.parameters.responseFactors[kFlightRight] = 1.0;
    f.raw[kFlightRight] = 0.5;
    f.parameters.relativeScale = 2.0;
    // 0.002 s: one sub-step at the full speed of 0.5 × 5 units × 2 m.
    f.Frames(1, 0.002);
    EXPECT_EQ(f.state.frameCounter, 1u);
    EXPECT_EQ(f.state.inputs[kFlightRight].second, 2.5);
    EXPECT_NEAR(f.Position().x, 0.002 * 5.0, 1e-15);
    f.Frames(1, kFrame);
    EXPECT_EQ(f.state.frameCounter, 1u + 13u) << "trunc(0.04 / 0.003) sub-steps";
}

TEST(FreeFlight, ReleasedInputsDecayToAStopAndNothingElseSlowsTheCamera) {
    Flight f;
    f.raw[kFlightForward] = 1.0;
    f.Frames(400);
    const double cruising = f.Speed();
    EXPECT_NEAR(cruising, 5.0, 1e-6) << "held, the filtered speed reaches its maximum";
    EXPECT_NEAR(f.Speed(), cruising, 1e-9) << "and stays there: no friction";
    EXPECT_LT(f.Position().z, -10.0) << "forward is −z";
    f.raw[kFlightForward] = 0.0;
    double previous = cruising;
    for (int i = 0; i < 50; ++i) {
        const double speed = f.Speed();
        EXPECT_LT(speed, previous);
        previous = speed;
    }
    f.Frames(400);
    EXPECT_LT(f.Speed(), 1e-9);
}

TEST(FreeFlight, WithoutRollTheHorizonStaysLevelAndWithRollTheCameraRolls) {
    Flight level;
    level.raw[kFlightYaw] = 0.7;
    level.raw[kFlightPitch] = 0.4;
    level.raw[kFlightRoll] = 1.0;
    level.Frames(60);
    EXPECT_NEAR(Axis(level.state.Pose().rotation, 0).y, 0.0, 1e-9) << "the x-axis stays level";
    EXPECT_GT(std::abs(Axis(level.state.Pose().rotation, 2).y), 0.1) << "but the camera pitched";

    Flight rolling;
    rolling.parameters.allowRoll = true;
    rolling.raw[kFlightRoll] = 1.0;
    rolling.Frames(25);
    const V x = Axis(rolling.state.Pose().rotation, 0);
    EXPECT_LT(x.y, -0.1) << "a right roll lowers the right side";
    EXPECT_NEAR(Axis(rolling.state.Pose().rotation, 2).z, 1.0, 1e-9) << "about the view axis";
}

TEST(FreeFlight, TheWalkCycleNodsAtItsFrequencyAndFadesWhenReleased) {
    Flight f;
    f.parameters.walkCycleFrequency = 2.0;
    f.parameters.maxima[kFlightWalkCycle] = 1.0;
    f.raw[kFlightWalkCycle] = 1.0;
    std::vector<double> pitch;
    for (int i = 0; i < 100; ++i) {
        f.Frames(1);
        pitch.push_back(Axis(f.state.Pose().rotation, 2).y);
    }
    // The view axis swings up and down: two cycles a second make about eight turns in four seconds.
    int turns = 0;
    for (size_t i = 2; i < pitch.size(); ++i)
        turns += (pitch[i] - pitch[i - 1]) * (pitch[i - 1] - pitch[i - 2]) < 0.0 ? 1 : 0;
    EXPECT_GE(turns, 14);
    EXPECT_LE(turns, 17);
    f.raw[kFlightWalkCycle] = 0.0;
    f.Frames(200);
    EXPECT_LT(f.state.walkAmplitude, 1e-6);
}

TEST(FreeFlight, TheShakeIsBoundedByItsAmplitudeAndRepeatsFromTheSameState) {
    Flight a;
    a.parameters.maxima[kFlightShaker] = 2.0;
    a.parameters.responseFactors[kFlightShaker] = 1.0;
    a.raw[kFlightShaker] = 1.0;
    Flight b = a;
    a.Frames(30);
    b.Frames(30);
    EXPECT_EQ(a.state.Pose().rotation.x, b.state.Pose().rotation.x);
    EXPECT_EQ(a.state.Pose().rotation.w, b.state.Pose().rotation.w);
    EXPECT_NE(a.state.Pose().rotation.w, 1.0);
    // One sub-step turns by at most h × amplitude about each of two axes.
    const Q before = a.state.Pose().rotation;
    FreeFlightSubStep(a.state, a.raw, a.parameters, 0.003);
    const V turn = util::ToRotationVector(util::Multiply(util::Conjugate(before), a.state.Pose().rotation));
    EXPECT_LE(util::Length(turn), 0.003 * 2.0 * std::sqrt(2.0) + 1e-12);
}

TEST(FreeFlight, TheMemoryRegulatorFliesBackAndHandsItsSpeedOverOnRelease) {
    Flight f;
    f.raw[kFlightSaveRegulator] = 1.0;
    f.Frames(1);
    f.raw[kFlightSaveRegulator] = 0.0;
    const V home = f.state.remembered.position;
    f.raw[kFlightRight] = 1.0;
    f.Frames(80);
    f.raw[kFlightRight] = 0.0;
    f.Frames(300);
    ASSERT_GT(util::Length(f.Position() - home), 10.0);

    f.raw[kFlightTranslRegulator] = 1.0;
    f.Frames(20);
    const double pulled = f.Speed();
    EXPECT_GT(pulled, 0.1);
    f.raw[kFlightTranslRegulator] = 0.0;
    const double released = f.Speed();
    EXPECT_NEAR(released, pulled, 0.1 * pulled) << "the camera flies on without a jump";
    EXPECT_LT(f.state.inputs[kFlightRight].second, 0.0) << "the speed went into the input filters";

    f.raw[kFlightTranslRegulator] = 1.0;
    f.Frames(1000);
    EXPECT_LT(util::Length(f.Position() - home), 1e-3) << "held long enough, it is back home";
}

TEST(FreeFlight, TheAntiRollRegulatorLevelsARolledCamera) {
    Flight f;
    f.parameters.allowRoll = true;
    f.raw[kFlightRoll] = 1.0;
    f.raw[kFlightPitch] = 0.3;
    f.Frames(15);
    f.raw = {};
    f.Frames(200);
    ASSERT_GT(std::abs(Axis(f.state.Pose().rotation, 0).y), 0.2);
    const V view = Axis(f.state.Pose().rotation, 2);
    f.raw[kFlightAntiRoll] = 1.0;
    f.Frames(300);
    EXPECT_NEAR(Axis(f.state.Pose().rotation, 0).y, 0.0, 1e-4);
    EXPECT_NEAR(util::Length(Axis(f.state.Pose().rotation, 2) - view), 0.0, 1e-3) << "the view stays";
}

TEST(FreeFlight, RecordedStatesReadBackExactlyAndDamagedBytesAreRefused) {
    Flight f;
    f.raw = {0.3, -0.2, 0.1, 0.4, -0.5, 0.2, 1.0, 1.0, 0.0, 0.0, 0.0, 0.0};
    FlightStateRecord record;
    for (int i = 0; i < 5; ++i) {
        f.Frames(1);
        record.Set(i * kFrame, f.state);
    }
    std::vector<uint8_t> bytes = EncodeFlightRecord(record);
    FlightStateRecord back;
    ASSERT_TRUE(DecodeFlightRecord(bytes.data(), bytes.size(), back));
    ASSERT_EQ(back.Frames().size(), 5u);
    EXPECT_EQ(EncodeFlightRecord(back), bytes);
    // Continuing from the read state repeats the original run.
    FreeFlightState copy = back.Frames().back().state;
    RunFreeFlight(copy, f.raw, f.parameters, kFrame);
    f.Frames(1);
    EXPECT_EQ(copy.Pose().position.x, f.Position().x);
    EXPECT_EQ(copy.randomSeed, f.state.randomSeed);

    EXPECT_FALSE(DecodeFlightRecord(bytes.data(), bytes.size() - 1, back));
    EXPECT_TRUE(back.Empty());
    std::vector<uint8_t> nan = bytes;
    for (size_t i = 12; i < 20; ++i) nan[i] = 0xFF; // the first input filter of the first frame
    EXPECT_FALSE(DecodeFlightRecord(nan.data(), nan.size(), back));
}

} // namespace
} // namespace vex::orb::addon
