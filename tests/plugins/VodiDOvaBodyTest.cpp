#include "plugins/vodidova/ZeroGravityBody.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

namespace vex::orb::addon {
namespace {

using V = util::Vector3<double>;
using Q = util::Quat<double>;

constexpr double kTight = 1e-12;

// A body turned away from the world axes, so that a formula using world axes instead of the
// camera's own shows.
ZeroGravityBody TurnedBody() {
    ZeroGravityBody body;
    body.Push({{1, 2, 3}, util::EulerXYZToQuat(V{0.3, -0.7, 1.1})});
    for (BodyInput& input : body.inputs) input.responseFactor = 1.0;
    return body;
}

double Along(const V& v, const V& axis) {
    return Dot(v, axis);
}

TEST(VodiDOvaBody, AFrameIsSplitIntoSubStepsOfAtMost3Ms) {
    EXPECT_EQ(ZeroGravityBody::SubStepCount(1.0 / 24.0), 13);
    EXPECT_EQ(ZeroGravityBody::SubStepCount(0.04), 13);
    EXPECT_EQ(ZeroGravityBody::SubStepCount(0.006), 2);
    EXPECT_EQ(ZeroGravityBody::SubStepCount(0.0029), 1);
    EXPECT_EQ(ZeroGravityBody::SubStepCount(0.0), 1);

    // A 1/24 s frame is the same as 13 sub-steps of 1/312 s, bit for bit.
    ZeroGravityBody frame = TurnedBody();
    frame.inputs[kForwardForce] = {1.0, 0.0, 0.0, 0.5, 0.5};
    frame.inputs[kYawTorque].raw = 1.0;
    frame.inputs[kYawTorque].maximum = 0.2;
    ZeroGravityBody steps = frame;
    frame.Run(1.0 / 24.0, 2.0);
    for (int i = 0; i < 13; ++i) steps.SubStep(1.0 / 24.0 / 13.0, 2.0);
    EXPECT_EQ(frame.Current().position, steps.Current().position);
    EXPECT_EQ(frame.Current().rotation, steps.Current().rotation);
    EXPECT_EQ(frame.velocity, steps.velocity);
}

TEST(VodiDOvaBody, WithoutInputsTheBodyKeepsItsVelocities) {
    ZeroGravityBody body = TurnedBody();
    body.velocity = {0.5, -1.0, 2.0};
    body.angularVelocity = {0.1, 0.2, -0.3};
    const V start = body.Current().position;
    for (int frame = 0; frame < 5; ++frame) body.Run(0.04, 3.0);
    EXPECT_EQ(body.velocity, (V{0.5, -1.0, 2.0}));
    EXPECT_EQ(body.angularVelocity, (V{0.1, 0.2, -0.3}));
    // Five frames of 0.2 s in all, scaled by 3: P moves by 0.6·V.
    const V moved = body.Current().position - start;
    EXPECT_NEAR(moved.x, 0.3, 1e-12);
    EXPECT_NEAR(moved.z, 1.2, 1e-12);
    // The orientation turns by 0.2·W about world axes.
    const Q expected =
        util::Multiply(TurnedBody().Current().rotation, util::FromRotationVector(V{0.02, 0.04, -0.06}));
    EXPECT_NEAR(body.Current().rotation.x, expected.x, 1e-12);
    EXPECT_NEAR(body.Current().rotation.w, expected.w, 1e-12);
}

TEST(VodiDOvaBody, ForcesAndTorquesActAlongTheCameraAxes) {
    ZeroGravityBody body = TurnedBody();
    const auto [x, y, z] = BodyAxes(body.Current().rotation);
    const double raws[6] = {1.0, 0.5, -1.0, 1.0, 0.5, -1.0};
    for (int k = 0; k < 6; ++k) {
        body.inputs[k].raw = raws[k];
        body.inputs[k].maximum = 0.1 * (k + 1);
    }
    const double h = 0.002;
    body.SubStep(h, 1.0);
    // With response factor 1 both stages are raw × Maximum at once.
    EXPECT_EQ(body.inputs[kForwardForce].stage1, 0.1);
    EXPECT_EQ(body.inputs[kForwardForce].output, 0.1);
    const V force = 0.1 * x - 0.3 * y - 0.1 * z;   // o1·x + o2·y − o0·z
    const V torque = 0.25 * x - 0.4 * y + 0.6 * z; // o4·x − o3·y − o5·z
    for (int i = 0; i < 3; ++i) {
        const V axis = i == 0 ? x : i == 1 ? y : z;
        EXPECT_NEAR(Along(body.velocity, axis), h * Along(force, axis), kTight) << i;
        EXPECT_NEAR(Along(body.angularVelocity, axis), h * Along(torque, axis), kTight) << i;
    }
}

TEST(VodiDOvaBody, BothFilterStagesSmoothWithTheResponseFactor) {
    ZeroGravityBody body;
    BodyInput& input = body.inputs[kRightForce];
    input = {1.0, 0.0, 0.0, 0.5, 0.4};
    body.SubStep(0.002, 1.0);
    // One Smooth sub-step of 0.05 reference frames: stage 1 closes 0.025 of the gap to 0.4, the
    // output 0.025 of the gap to stage 1.
    EXPECT_NEAR(input.stage1, 0.4 * 0.025, kTight);
    EXPECT_NEAR(input.output, 0.4 * 0.025 * 0.025, kTight);
}

TEST(VodiDOvaBody, AirplaneBrakeKeepsTheMotionAlongZ) {
    ZeroGravityBody body = TurnedBody();
    const auto [x, y, z] = BodyAxes(body.Current().rotation);
    body.velocity = 1.0 * x + 2.0 * y - 3.0 * z;
    body.angularVelocity = {0.4, -0.2, 0.1};
    body.inputs[kAirplaneBrake] = {1.0, 0.0, 0.0, 1.0, 0.5};
    body.SubStep(0.002, 1.0);
    const double d = 1.5; // |output| + 1
    EXPECT_NEAR(Along(body.velocity, x), 1.0 / d, kTight);
    EXPECT_NEAR(Along(body.velocity, y), 2.0 / d, kTight);
    EXPECT_NEAR(Along(body.velocity, z), -3.0, kTight);
    EXPECT_NEAR(body.angularVelocity.x, 0.4 / d, kTight);
    EXPECT_NEAR(body.angularVelocity.y, -0.2 / d, kTight);

    // Held for a second without rotation: the sideways motion dies out, the motion along z stays.
    body.angularVelocity = {};
    const auto [xNow, yNow, zNow] = BodyAxes(body.Current().rotation);
    const double alongZ = Along(body.velocity, zNow);
    for (int frame = 0; frame < 25; ++frame) body.Run(0.04, 1.0);
    EXPECT_NEAR(Along(body.velocity, xNow), 0.0, 1e-9);
    EXPECT_NEAR(Along(body.velocity, yNow), 0.0, 1e-9);
    EXPECT_NEAR(Along(body.velocity, zNow), alongZ, 1e-12);
}

TEST(VodiDOvaBody, OtherBrakesDivideTheirVelocitiesAndAReleasedBrakeIsCleared) {
    ZeroGravityBody body;
    body.velocity = {3, 0, 0};
    body.angularVelocity = {0, 3, 0};
    body.inputs[kTranslationalBrake] = {1.0, 0.0, 0.0, 1.0, 2.0};
    body.SubStep(0.001, 1.0);
    EXPECT_EQ(body.velocity.x, 1.0);
    EXPECT_EQ(body.angularVelocity.y, 3.0);

    body.inputs[kTranslationalBrake].raw = 0.0;
    body.inputs[kRotationalBrake] = {1.0, 0.0, 0.0, 1.0, 2.0};
    body.SubStep(0.001, 1.0);
    EXPECT_EQ(body.velocity.x, 1.0);
    EXPECT_EQ(body.angularVelocity.y, 1.0);

    body.inputs[kRotationalBrake].raw = 0.0;
    body.inputs[kBrakeAll] = {1.0, 0.0, 0.0, 1.0, 1.0};
    body.SubStep(0.001, 1.0);
    EXPECT_EQ(body.velocity.x, 0.5);
    EXPECT_EQ(body.angularVelocity.y, 0.5);

    // A released brake whose filter would still hold a value has its output cleared.
    body.inputs[kBrakeAll] = {0.0, 0.8, 0.8, 0.5, 1.0};
    body.SubStep(0.001, 1.0);
    EXPECT_EQ(body.inputs[kBrakeAll].output, 0.0);
    EXPECT_GT(body.inputs[kBrakeAll].stage1, 0.0);
    EXPECT_EQ(body.velocity.x, 0.5);
}

TEST(VodiDOvaBody, PrimingTakesTheLastTwoMotionsInTheCameraAxes) {
    std::array<BodyInput, kBodyInputCount> inputs;
    for (BodyInput& input : inputs) input.responseFactor = 0.5;
    inputs[kAirplaneBrake].output = 0.25;
    const Q turned = util::FromRotationVector(V{0, 0.5 * 3.141592653589793, 0}); // x → −z, z → x
    const double dt = 0.1, scale = 2.0;
    // World motion along +x is motion along the camera's +z.
    const BodyPose c{{0, 0, 0}, {}};
    const BodyPose b{{0.2, 0.0, 0.0}, util::FromRotationVector(V{0, 0.01, 0})};
    const BodyPose a{{0.6, 0.1, 0.0}, turned};
    PrimeInputs(inputs, a, b, c, dt, scale);

    // v = (0.4, 0.1, 0)/0.1/2 = (2, 0.5, 0) in the world, (0, 0.5, 2) in the camera's axes; v′ = (1, 0, 0)
    // in the world, (0, 0, 1) in a's axes.
    EXPECT_NEAR(inputs[kForwardForce].output, -2.0, kTight);
    EXPECT_NEAR(inputs[kForwardForce].stage1, -1.0 + (-2.0 + 1.0) / 0.5, kTight);
    EXPECT_NEAR(inputs[kUpForce].output, 0.5, kTight);
    EXPECT_NEAR(inputs[kUpForce].stage1, 1.0, kTight);
    EXPECT_NEAR(inputs[kRightForce].output, 0.0, kTight);
    // ω from b to a about +y, ω′ from c to b: 0.01 rad in 0.1 s.
    const double w = (0.5 * 3.141592653589793 - 0.01) / dt;
    EXPECT_NEAR(inputs[kYawTorque].output, -w, 1e-9);
    EXPECT_NEAR(inputs[kYawTorque].stage1, -0.1 + (-w + 0.1) / 0.5, 1e-9);
    EXPECT_NEAR(inputs[kPitchTorque].output, 0.0, kTight);
    EXPECT_EQ(inputs[kAirplaneBrake].output, 0.25);
}

} // namespace
} // namespace vex::orb::addon
