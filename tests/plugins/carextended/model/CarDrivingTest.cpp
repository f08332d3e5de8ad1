#include "tests/plugins/carextended/model/CarSim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vex::orb::addon::test {
namespace {

using V = util::Vector3<double>;

// The radius of the circle through three points in the ground plane (x, z).
double CircleRadius(const V& a, const V& b, const V& c) {
    const double ab = std::hypot(a.x - b.x, a.z - b.z);
    const double bc = std::hypot(b.x - c.x, b.z - c.z);
    const double ca = std::hypot(c.x - a.x, c.z - a.z);
    const double cross = (b.x - a.x) * (c.z - a.z) - (b.z - a.z) * (c.x - a.x);
    return ab * bc * ca / (2.0 * std::abs(cross));
}

// Drives a steady turn at 3 m/s with the front axle at `degrees` and answers the back axle's radius.
double SteadyTurnRadius(double degrees, double reduction, double topSpeed) {
    CarSim sim;
    sim.SetTopSpeed(topSpeed);
    sim.parameters.speedDependentTurnReduction = reduction;
    sim.parameters.inputs[kSteering].maximum = degrees * std::numbers::pi / 180.0;
    sim.Start();
    sim.raw[kGasPedal] = 3.0 / topSpeed;
    sim.raw[kSteering] = 1.0;
    sim.Run(20.0);
    std::vector<V> points;
    for (int k = 0; k < 3; ++k) {
        points.push_back(sim.BackAxle());
        sim.Run(1.0);
    }
    return CircleRadius(points[0], points[1], points[2]);
}

TEST(CarDriving, SlowSteadyTurnFollowsTheSteeringGeometry) {
    CarSim sim;
    const double wheelbase = sim.geometry.Wheelbase();
    for (double degrees : {5.0, 10.0, 20.0}) {
        const double expected = wheelbase / std::tan(degrees * std::numbers::pi / 180.0);
        EXPECT_NEAR(SteadyTurnRadius(degrees, 0.0, 10.0), expected, 0.03 * expected) << degrees;
    }
    // The speed-dependent reduction takes 1.5 × 3/10 of the steering angle away at 3 m/s of 10.
    const double reduced = 10.0 * (1.0 - 1.5 * 0.3);
    const double expected = wheelbase / std::tan(reduced * std::numbers::pi / 180.0);
    EXPECT_NEAR(SteadyTurnRadius(10.0, 1.5, 10.0), expected, 0.03 * expected);
}

// Turning about a turn base in the middle steers the back wheels against the front ones: the circle
// is tighter, and the turn base itself rolls on it.
TEST(CarDriving, TurnBaseInTheMiddleTurnsWithAllFourWheels) {
    CarSim sim;
    sim.parameters.turnBase = 0.5;
    sim.SetTopSpeed(10.0);
    sim.parameters.inputs[kSteering].maximum = 10.0 * std::numbers::pi / 180.0;
    sim.Start();
    sim.raw[kGasPedal] = 0.3;
    sim.raw[kSteering] = 1.0;
    sim.Run(20.0);
    EXPECT_LT(sim.state.wheels[2].steerAngle, 0.0);
    EXPECT_NEAR(sim.state.wheels[2].steerAngle, -sim.state.wheels[0].steerAngle, 0.05);
    std::vector<V> points;
    const V middle = 0.25 * (sim.geometry.wheelCentres[0] + sim.geometry.wheelCentres[1] +
                             sim.geometry.wheelCentres[2] + sim.geometry.wheelCentres[3]);
    for (int k = 0; k < 3; ++k) {
        points.push_back(util::TransformPoint(sim.state.pose, middle));
        sim.Run(1.0);
    }
    const double expected = 0.5 * sim.geometry.Wheelbase() / std::tan(10.0 * std::numbers::pi / 180.0);
    EXPECT_NEAR(CircleRadius(points[0], points[1], points[2]), expected, 0.03 * expected);
}

// Full gas: the speed reaches the top-speed gauge and 0–100 km/h takes the acceleration gauge's time.
TEST(CarDriving, FullGasReachesTopSpeedInTheAccelerationGaugesTime) {
    CarSim sim;
    sim.parameters.inputs[kGasPedal].maximum = 12.0; // 12 lengths per second: 181 km/h
    sim.parameters.acceleration = 1.2;
    sim.Start();
    sim.raw[kGasPedal] = 1.0;
    const double hundred = 100.0 / 3.6;
    const double gauge = ((100.0 / 3.6) / sim.parameters.acceleration) / CarSim::kScale;
    double reached = -1.0;
    double previous = 0.0;
    sim.Run(30.0, 100.0, [&](const CarState& s) {
        if (reached < 0.0 && s.speed >= hundred) {
            const double fraction = (hundred - previous) / (s.speed - previous);
            reached = sim.time - 0.01 + 0.01 * fraction;
        }
        previous = s.speed;
    });
    EXPECT_NEAR(reached, gauge, 0.05 * gauge);
    EXPECT_GE(sim.state.speed, 0.98 * sim.Model().TopSpeed());
}

// The same input recorded at different frame rates gives the same path.
TEST(CarDriving, PathDoesNotDependOnTheFrameRate) {
    std::vector<std::vector<V>> paths;
    for (double fps : {24.0, 25.0, 30.0, 60.0}) {
        CarSim sim;
        sim.SetTopSpeed(15.0);
        sim.Start();
        std::vector<V> path;
        for (int second = 0; second < 10; ++second) {
            sim.raw[kGasPedal] = second < 7 ? 1.0 : 0.0;
            sim.raw[kSteering] = std::sin(second * 0.8);
            sim.raw[kSkidBrake] = second >= 8 ? 1.0 : 0.0;
            sim.Run(1.0, fps);
            path.push_back(sim.state.pose.translation);
        }
        paths.push_back(path);
    }
    double length = 0.0;
    for (std::size_t k = 1; k < paths[0].size(); ++k) length += util::Length(paths[0][k] - paths[0][k - 1]);
    EXPECT_GT(length, 50.0);
    for (const auto& path : paths)
        for (std::size_t k = 0; k < path.size(); ++k)
            EXPECT_LT(util::Length(path[k] - paths[0][k]), 0.01 * length);
}

// With gravity along a GravityDirectionMesh turned a quarter turn the car drives up a wall as on a floor.
TEST(CarDriving, DrivesOnAWallAlongTurnedGravity) {
    const auto drive = [](bool wall) {
        CarSim sim;
        sim.SetTopSpeed(10.0);
        const util::Quat<double> turn =
            util::FromRotationVector(V{0.0, 0.0, wall ? std::numbers::pi / 2 : 0.0});
        sim.ground.planes = {{{}, util::Rotate(turn, V{0.0, 1.0, 0.0})}};
        sim.environment.down = util::Rotate(turn, V{0.0, -1.0, 0.0});
        sim.Start({{}, turn});
        sim.raw[kGasPedal] = 1.0;
        sim.raw[kSteering] = 0.1;
        sim.Run(8.0);
        return util::TransformPoint(util::Inverse(util::QTransform<double>{{}, turn}),
                                    sim.state.pose.translation);
    };
    const V floor = drive(false);
    const V wall = drive(true);
    EXPECT_GT(util::Length(floor), 30.0);
    EXPECT_LT(util::Length(wall - floor), 1e-6 * util::Length(floor));
}

// Autonomous mode follows a target around a circle at a distance near v / follow strength, and stands
// still while the target is inside the ignore sphere.
TEST(CarDriving, AutonomousModeFollowsTheTargetAndIgnoresItClose) {
    CarSim sim;
    sim.SetTopSpeed(20.0);
    sim.parameters.autonomousMode = true;
    sim.parameters.followStrength = 1.0;
    sim.parameters.followStrengthResponse = 0.2;
    sim.parameters.autoSteeringResponse = 0.5;
    sim.parameters.inputs[kSteering].maximum = 0.6;
    sim.Start({{20.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 1.0}});
    const double radius = 20.0, speed = 10.0;
    const auto target = [&](double t) {
        const double a = speed / radius * t;
        return V{radius * std::cos(a), 0.0, -radius * std::sin(a)};
    };
    double worst = 0.0;
    const CarModel model = sim.Model();
    for (int f = 0; f < 40 * 25; ++f) {
        const double t = f / 25.0 + 1.0; // the target leads by one second
        sim.environment.target = target(t);
        model.Advance(sim.state, sim.raw, sim.environment, 0.04);
        if (f > 20 * 25)
            worst = std::max(worst, util::Length(sim.state.pose.translation - sim.environment.target));
    }
    EXPECT_LT(worst, 2.0 * speed / sim.parameters.followStrength);
    EXPECT_GT(sim.Speed(), 0.5 * speed);

    // A target just ahead of the front, inside the sphere, leaves the car braking to a stand.
    CarSim still;
    still.parameters.autonomousMode = true;
    still.Start();
    still.environment.target = {0.0, 0.0, -0.5 * still.geometry.Length() - 0.5};
    still.Run(5.0);
    EXPECT_LT(still.Speed(), 0.001);
}

// A copied state continues exactly as the original: nothing the model needs lives outside it.
TEST(CarDriving, CopiedStateContinuesBitForBit) {
    CarSim sim;
    sim.SetTopSpeed(15.0);
    sim.parameters.steeringNoise = 50.0;
    sim.parameters.gravelRoughness = 0.7;
    sim.Start();
    sim.raw = {1.0, 0.4, 0.2, 0.0, 0.3, 0.0, 1.0, 0.0, 0.5};
    sim.Run(3.0);
    CarSim copy = sim;
    copy.environment.ground = &copy.ground;
    sim.Run(4.0);
    copy.Run(4.0);
    EXPECT_EQ(sim.state.pose, copy.state.pose);
    EXPECT_EQ(sim.state.velocity, copy.state.velocity);
    EXPECT_EQ(sim.state.randomSeeds, copy.state.randomSeeds);
}

} // namespace
} // namespace vex::orb::addon::test
