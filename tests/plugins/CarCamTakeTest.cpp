#include "plugins/carextended/CCarCamObject.h"
#include "plugins/carextended/CollisionObjects.h"
#include "tests/plugins/CarToolOnHost.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_P(CarCamTake, AGroundRemovedMidTakeEndsTheTakeWithWhatItRecorded) {
    host_->AddMesh("Floor", Floor(500.0), Name("GravityDirectionMesh"));
    Bind("Gas Pedal (Forw/Backw)").setValue(1.0);
    BeginRun(0.0, false);
    for (int f = 1; f <= 10; ++f) instance_->Step(f * kFrame);
    host_->Remove("Floor");
    for (int f = 11; f <= 20; ++f) instance_->Step(f * kFrame);
    EndRun();
    EXPECT_EQ(std::count(messages_.begin(), messages_.end(),
                         "Warning: " + std::string(CollisionObjects::kNoGround)),
              1);
    ASSERT_FALSE(tool_->record.Empty());
    EXPECT_EQ(tool_->record.Frames().back().time, 10 * kFrame);
}

TEST_P(CarCamTake, AnAnimatedGroundCarriesTheCar) {
    host_->AddMesh("Floor", Floor(500.0), Name("GravityDirectionMesh"));
    Matrix<double> raised;
    host_->SetKey("Floor", 0.0, raised);
    raised.m[3][1] = 0.5;
    host_->SetKey("Floor", 1.0, raised);
    host_->SetKey("Floor", 3.0, raised);
    // The host's clock moves with the take, as the record loop moves it, so the floor's geometry is
    // the one of each frame.
    BeginRun(0.0, false);
    for (int f = 1; f <= 50; ++f) {
        host_->SetCurrentTime(f * kFrame);
        instance_->Step(f * kFrame);
    }
    EndRun();
    EXPECT_TRUE(messages_.empty()) << messages_.front();
    EXPECT_NEAR(World("CarBodyBaseMesh", 50 * kFrame).m[3][1], 0.5, 0.1) << "the car rides up with its floor";
    EXPECT_EQ(Output(3, 50), 0.0);
}

TEST_P(CarCamTake, OnlyTheEssentialNodesAreKeyedWhenAsked) {
    AddGround("Ground", Floor(500.0));
    Bind("Gas Pedal (Forw/Backw)").setValue(1.0);
    tool_->keyframeOnlyEssential = true;
    Drive(0, 10);
    // The host keys every node where the take starts; after that only the essential ones.
    for (const char* node : {"CarBodyMesh", "CarBodyBaseMesh", "WheelMesh_BL", "GravityDirectionMesh"})
        EXPECT_GT(KeysOf(node).size(), 5u) << node;
    for (const char* node : {"WheelCenterSuspensionMesh_BL", "SteeringWheelMesh", "FollowCam"})
        EXPECT_LE(KeysOf(node).size(), 1u) << node;
}

TEST_P(CarCamTake, WheelCentresFollowTheirOptions) {
    AddGround("Ground", Floor(500.0));
    Bind("Gas Pedal (Forw/Backw)").setValue(0.5);
    Drive(0, 10);
    // By default the centre node is where the suspension holds the wheel.
    const double centre = Local("WheelCenterMesh_FL", 10 * kFrame).m[3][1];
    EXPECT_EQ(centre, Local("WheelCenterSuspensionMesh_FL", 10 * kFrame).m[3][1]);

    // At the ground hit point it lies about a wheel radius lower.
    tool_->moveWheelCenterToGround = true;
    Drive(10, 20);
    const double radius = tool_->geometry.wheelRadii[0];
    EXPECT_NEAR(Local("WheelCenterSuspensionMesh_FL", 20 * kFrame).m[3][1] -
                    Local("WheelCenterMesh_FL", 20 * kFrame).m[3][1],
                radius, 0.2 * radius);

    // Fixated, it is not written at all.
    tool_->fixateWheelCenterNodes = true;
    host_->RemoveKeysFrom(Name("WheelCenterMesh_FL"), 0.0);
    Drive(20, 30);
    EXPECT_LE(KeysOf("WheelCenterMesh_FL").size(), 1u);
    EXPECT_GT(KeysOf("WheelCenterSuspensionMesh_FL").size(), 5u);
}

TEST_P(CarCamTake, TheSteeringWheelTurnsByTheSteeringTimesItsMultiplier) {
    AddGround("Ground", Floor(500.0));
    Bind("Steering Wheel (Right/Left)").setValue(1.0);
    const Matrix<double> rest = Local("SteeringWheelMesh", 0.0);
    tool_->steeringWheelRotMult = 0.0;
    Drive(0, 10);
    EXPECT_NE(tool_->state.steering, 0.0);
    EXPECT_EQ(Local("SteeringWheelMesh", 10 * kFrame), rest);
    tool_->steeringWheelRotMult = 3.0;
    Drive(10, 20);
    const Matrix<double> turned = Local("SteeringWheelMesh", 20 * kFrame);
    // The rotation about the wheel's own z axis: the x row turns within the xy plane.
    const double angle = std::atan2(turned.m[0][1], turned.m[0][0]);
    EXPECT_NEAR(std::abs(angle), 3.0 * std::abs(tool_->state.steering), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(, CarCamTake, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
