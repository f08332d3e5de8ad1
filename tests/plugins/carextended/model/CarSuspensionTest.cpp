#include "tests/plugins/carextended/model/CarSim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex::orb::addon::test {
namespace {

using V = util::Vector3<double>;

// The car dropped from its unloaded place sinks by g/ω² on every corner, whatever its mass.
TEST(CarSuspension, StaticSagIsGravityOverCornerFrequencySquaredOnAllFourWheels) {
    for (double massMultiplier : {1.0, 5.0}) {
        CarSim sim;
        sim.parameters.massMultiplier = massMultiplier;
        sim.Start();
        // From the rigged place with unloaded springs.
        sim.state.pose.translation = {};
        for (WheelState& wheel : sim.state.wheels) wheel.compression = wheel.compressionPrev = 0.0;
        sim.Run(6.0);
        const double expected = sim.parameters.gravity / sim.Model().CornerStiffness(0);
        const double sag = -sim.state.pose.translation.y;
        EXPECT_NEAR(sag, expected, 0.05 * expected) << massMultiplier;
        for (const WheelState& wheel : sim.state.wheels)
            EXPECT_NEAR(wheel.compression, sim.state.wheels[0].compression,
                        0.01 * sim.state.wheels[0].compression);
    }
}

// Dropped 0.1 m it settles within 2 s and then stands without visible jitter for 10 s.
TEST(CarSuspension, DroppedCarSettlesAndStaysStill) {
    CarSim sim;
    sim.Start();
    sim.state.pose.translation.y += 0.1;
    sim.Run(2.0);
    EXPECT_LT(sim.Speed(), 0.001);
    double last = sim.state.pose.translation.y;
    double worst = 0.0;
    double drift = 0.0;
    const V start = sim.state.pose.translation;
    sim.Run(10.0, 25.0, [&](const CarState& s) {
        worst = std::max(worst, std::abs(s.pose.translation.y - last));
        last = s.pose.translation.y;
        drift = std::max(drift, util::Length(s.pose.translation - start));
    });
    EXPECT_LT(worst, 1e-4);
    EXPECT_LT(drift, 1e-3);
}

// Braked on a slope the static friction holds the car where grip allows, and lets it slide where not.
TEST(CarSuspension, BrakedCarHoldsOnSlopesWithinGripAndSlidesBeyond) {
    for (double degrees : {20.0, 30.0}) {
        for (double grip : {1.0, 0.3}) {
            CarSim sim;
            const double angle = degrees * std::numbers::pi / 180.0;
            sim.ground.planes = {{{}, {-std::sin(angle), std::cos(angle), 0.0}}};
            sim.parameters.grip = grip;
            const util::Quat<double> tilt = util::FromRotationVector(V{0.0, 0.0, angle});
            sim.Start({{}, tilt});
            sim.raw[kAbsBrake] = 1.0;
            sim.Run(1.0);
            const V held = sim.state.pose.translation;
            sim.Run(10.0);
            const double moved = util::Length(sim.state.pose.translation - held);
            if (std::tan(angle) < grip)
                EXPECT_LT(moved, 0.01) << degrees << "° grip " << grip;
            else
                EXPECT_GT(moved, 1.0) << degrees << "° grip " << grip;
        }
    }
}

} // namespace
} // namespace vex::orb::addon::test
