#include "tests/plugins/carextended/model/CarSim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vex::orb::addon::test {
namespace {

using V = util::Vector3<double>;

constexpr double kHundredKmh = 100.0 / 3.6;

// Starts the car rolling at 100 km/h along −z and answers the distance to a stop with `brake` held,
// and the longest time any wheel stayed locked.
struct Stop {
    double distance = 0.0;
    double longestLock = 0.0;
    double finalSpeed = 0.0;
};
Stop BrakeFrom100(CarInputIndex brake) {
    CarSim sim;
    sim.SetTopSpeed(2.0 * kHundredKmh);
    sim.Start();
    sim.state.velocity = {0.0, 0.0, -kHundredKmh};
    sim.raw[brake] = 1.0;
    const V from = sim.state.pose.translation;
    Stop stop;
    sim.Run(8.0, 25.0, [&](const CarState& s) {
        for (const WheelState& wheel : s.wheels)
            stop.longestLock = std::max(stop.longestLock, wheel.lockedTime);
    });
    stop.distance = util::Length(sim.state.pose.translation - from);
    stop.finalSpeed = sim.Speed();
    return stop;
}

TEST(CarBraking, LockedWheelsStopInTheSlidingDistanceAndAbsNoLonger) {
    const double expected = kHundredKmh * kHundredKmh / (2.0 * 1.0 * 9.81);
    const Stop locked = BrakeFrom100(kSkidBrake);
    EXPECT_NEAR(locked.distance, expected, 0.03 * expected);
    EXPECT_LT(locked.finalSpeed, 0.001);
    const Stop abs = BrakeFrom100(kAbsBrake);
    EXPECT_LE(abs.distance, locked.distance * 1.005);
    EXPECT_GT(abs.distance, 0.9 * expected);
    EXPECT_LE(abs.longestLock, 0.1);
    EXPECT_LT(abs.finalSpeed, 0.001);
}

// Straight ahead the car does not drift sideways; braked to a stop it stays stopped.
TEST(CarBraking, StraightDriveKeepsItsLineAndAStoppedCarStaysStopped) {
    CarSim sim;
    sim.SetTopSpeed(20.0);
    sim.Start();
    sim.raw[kGasPedal] = 1.0;
    double sideways = 0.0;
    sim.Run(6.0, 25.0, [&](const CarState& s) {
        sideways = std::max(sideways,
                            std::abs(util::Dot(s.velocity, util::Rotate(s.pose.rotation, V{1.0, 0.0, 0.0}))));
    });
    EXPECT_GT(sim.Speed(), 19.0);
    EXPECT_LT(sideways, 0.02);
    sim.raw[kGasPedal] = 0.0;
    sim.raw[kAbsBrake] = 1.0;
    sim.Run(5.0);
    sim.raw[kAbsBrake] = 0.0;
    double fastest = 0.0;
    sim.Run(5.0, 25.0, [&](const CarState& s) { fastest = std::max(fastest, util::Length(s.velocity)); });
    EXPECT_LT(fastest, 0.001);
}

// A car parked without gas is held by its anchors, and drives off when the gas comes.
TEST(CarBraking, ParkedCarDrivesOffWithGas) {
    CarSim sim;
    sim.SetTopSpeed(10.0);
    sim.Start();
    sim.Run(2.0);
    EXPECT_TRUE(std::all_of(sim.state.wheels.begin(), sim.state.wheels.end(),
                            [](const WheelState& w) { return w.anchored; }));
    sim.raw[kGasPedal] = 1.0;
    sim.Run(3.0);
    EXPECT_GT(sim.state.speed, 9.0);
}

} // namespace
} // namespace vex::orb::addon::test
