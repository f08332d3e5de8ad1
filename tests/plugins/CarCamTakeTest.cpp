#include "plugins/carextended/CCarCamObject.h"
#include "plugins/carextended/CollisionObjects.h"
#include "tests/plugins/CarToolOnHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CCarCamObject;
using addon::CollisionObjects;
using util::Matrix;

// The four-wheeler driven through takes on each host under test.
class CarCamTake : public CarToolOnHost<CCarCamObject> {
protected:
    CarCamTake() : CarToolOnHost("4VeredevOro", "4VeredevOro_01") {}

    // Runs the instance from frame `from` to frame `to`, answering the base's world matrix per frame.
    std::vector<Matrix<double>> Drive(int from, int to, bool resimulating = false) {
        std::vector<Matrix<double>> worlds;
        BeginRun(from * kFrame, resimulating);
        for (int f = from + 1; f <= to; ++f) {
            instance_->Step(f * kFrame);
            worlds.push_back(World("CarBodyBaseMesh", f * kFrame));
        }
        EndRun();
        return worlds;
    }

    // The output channel `index`'s value at frame `frame`.
    double Output(std::size_t index, int frame) {
        host_->SetCurrentTime(frame * kFrame);
        tool_->extension(CCamera::kOutputChannelValue, tool_->outputs[index].get());
        return tool_->outputs[index]->current;
    }
};

TEST_P(CarCamTake, DrivesForwardOnFlatGroundWithGas) {
    AddGround("Ground", Floor(500.0));
    Bind("Gas Pedal (Forw/Backw)").setValue(1.0);
    const std::vector<Matrix<double>> worlds = Drive(0, 75);
    EXPECT_TRUE(messages_.empty()) << messages_.front();

    // Forwards is −z; the car stays on the floor, upright and on course.
    const Matrix<double>& last = worlds.back();
    EXPECT_LT(last.m[3][2], -1.0);
    EXPECT_LT(last.m[3][2], worlds[worlds.size() / 2].m[3][2]);
    EXPECT_NEAR(last.m[3][0], 0.0, 0.01);
    EXPECT_NEAR(last.m[3][1], 0.0, 0.2);
    EXPECT_NEAR(last.m[1][1], 1.0, 1e-3);
    // The wheels are on the ground and rolled forwards; the gauges read the speed.
    for (std::size_t wheel = 3; wheel < 7; ++wheel) EXPECT_EQ(Output(wheel, 75), 0.0) << wheel;
    EXPECT_GT(Output(0, 75), 0.0);
    EXPECT_GT(tool_->currentVelocity, 0.0);
    EXPECT_NEAR(Output(1, 75), tool_->currentVelocityPercent / 100.0, 1e-12);
    EXPECT_NE(Local("WheelMesh_FL", 75 * kFrame), Local("WheelMesh_FL", 74 * kFrame));
    EXPECT_TRUE(HostKeys(KeysOf("CarBodyMesh")).size() > 10u);
}

TEST_P(CarCamTake, ReSimulationRepeatsTheLiveTake) {
    AddGround("Ground", Floor(500.0));
    unidevice::Control& gas = Bind("Gas Pedal (Forw/Backw)");
    unidevice::Control& steering = Bind("Steering Wheel (Right/Left)");
    const auto [take, again] = RecordAndResimulateLoopTake<Keys>(
        *core_, *host_, 2.0, [this] { return KeysOf("CarBodyBaseMesh"); },
        [&](double t) {
            gas.setValue(0.8);
            steering.setValue(std::sin(2.0 * t));
        });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

TEST_P(CarCamTake, ARestoredToolContinuesBitForBit) {
    AddGround("Ground", Floor(500.0));
    Bind("Gas Pedal (Forw/Backw)").setValue(1.0);
    Bind("Steering Wheel (Right/Left)").setValue(-0.4);
    tool_->parameters.frontStiffness = 60.0;
    Drive(0, 40);
    ASSERT_EQ(tool_->store(), 0);

    const Keys original = Continue(*tool_, "WheelMesh_FR", 20, 40);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    loaded->channels = tool_->channels;
    const Keys restored = Continue(*loaded, "WheelMesh_FR", 20, 40);
    ExpectSameKeys(original, restored);
    EXPECT_EQ(loaded->parameters.frontStiffness, 60.0);
    ASSERT_GT(original.size(), 10u);
    EXPECT_NE(original.front().value, original.back().value);
}

TEST_P(CarCamTake, WithoutGroundTheCarFallsAndTheUserIsTold) {
    const std::vector<Matrix<double>> worlds = Drive(0, 25);
    EXPECT_TRUE(Told("Warning", CollisionObjects::kNoGround));
    EXPECT_LT(worlds.back().m[3][1], -1.0) << "a car without ground falls";
    EXPECT_EQ(Output(3, 25), 1.0);
}

TEST_P(CarCamTake, AParentThatIsNoMeshIsReported) {
    host_->Parent(Name("GravityDirectionMesh"), Name("FollowCam"));
    Drive(0, 5);
    EXPECT_TRUE(Told("Warning", CollisionObjects::kNotAMesh));
    EXPECT_TRUE(Told("Warning", CollisionObjects::kNoGround));
}

TEST_P(CarCamTake, EmptyAndNanMeshesAreInvalid) {
    AddGround("Empty", util::CMesh());
    Drive(0, 5);
    EXPECT_TRUE(Told("Warning", CollisionObjects::kInvalid));
    EXPECT_TRUE(Told("Warning", CollisionObjects::kNoGround));

    messages_.clear();
    util::CMesh broken = Floor(10.0);
    for (auto& v : broken.vertices) v.y = std::numeric_limits<double>::quiet_NaN();
    host_->AddMesh("Broken", broken);
    host_->Parent("Broken", Name("GravityDirectionMesh"));
    Drive(5, 10);
    EXPECT_TRUE(Told("Warning", CollisionObjects::kInvalid));
    EXPECT_TRUE(Told("Warning", CollisionObjects::kNoGround));
}

TEST_P(CarCamTake, AChildSurfaceAndTheFastCasterAreGroundToo) {
    host_->AddMesh("Floor", Floor(500.0), Name("GravityDirectionMesh"));
    tool_->useFastRayCast = true;
    const std::vector<Matrix<double>> worlds = Drive(0, 25);
    EXPECT_TRUE(messages_.empty()) << messages_.front();
    EXPECT_NEAR(worlds.back().m[3][1], 0.0, 0.2);
    EXPECT_EQ(Output(5, 25), 0.0);
}

INSTANTIATE_TEST_SUITE_P(, CarCamTake, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
