#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/FastRayCaster.h"
#include "plugins/carextended/ground/GroundShapes.h"
#include "tests/plugins/carextended/model/CarSim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace vex::orb::addon::test {
namespace {

using V = util::Vector3<double>;

// Height of `ground` straight below `p` (a vertical ray from far above); NaN where there is none.
double GroundHeight(const GroundQuery& ground, const V& p) {
    const GroundRay ray{{p.x, p.y + 1000.0, p.z}, {0.0, -1.0, 0.0}, 5000.0};
    GroundHit hit;
    ground.Cast({&ray, 1}, {&hit, 1});
    return hit.hit ? hit.point.y : std::nan("");
}

// The lowest clearance of any wheel centre above the ground over a run.
struct Clearance {
    double lowest = 1e9;
    void Check(const CarSim& sim, const GroundQuery& ground) {
        for (const V& c : sim.geometry.wheelCentres) {
            const V centre = util::TransformPoint(sim.state.pose, c);
            lowest = std::min(lowest, centre.y - GroundHeight(ground, centre));
        }
    }
};

// At 300 km/h over single-sided hills, with ray multiplier 3 and edge rays, no wheel sinks below the
// ground, whichever caster runs.
TEST(CarOnMesh, NoWheelTunnelsAtThreeHundredKmh) {
    const util::CMesh terrain = MakeTerrain(2000.0, 400, 1.0, 7);
    const std::unique_ptr<GroundQuery> bullet = BulletGround::Create({terrain});
    const std::unique_ptr<GroundQuery> fast = FastRayCaster::Create({terrain});
    ASSERT_NE(bullet, nullptr);
    ASSERT_NE(fast, nullptr);
    for (const GroundQuery* ground : {bullet.get(), fast.get()}) {
        CarSim sim;
        sim.environment.ground = ground;
        sim.parameters.rayMultiplier = 3;
        sim.SetTopSpeed(300.0 / 3.6);
        sim.Start({{0.0, GroundHeight(*ground, {}), 0.0}, {0.0, 0.0, 0.0, 1.0}});
        sim.state.velocity = {0.0, 0.0, -300.0 / 3.6};
        sim.raw[kGasPedal] = 1.0;
        Clearance clearance;
        sim.Run(8.0, 25.0, [&](const CarState&) { clearance.Check(sim, *ground); });
        EXPECT_GT(sim.Speed(), 60.0);
        EXPECT_GT(clearance.lowest, 0.0);
    }
}

// Dropped from 10 m onto a flat ground the bump stops catch it above the ground, and it settles.
TEST(CarOnMesh, TenMetreDropLandsAboveTheGround) {
    const std::unique_ptr<GroundQuery> ground = BulletGround::Create({MakeFlatGround(200.0, 20)});
    ASSERT_NE(ground, nullptr);
    CarSim sim;
    sim.environment.ground = ground.get();
    sim.Start({{0.0, 10.0, 0.0}, {0.0, 0.0, 0.0, 1.0}});
    Clearance clearance;
    bool flew = false;
    sim.Run(6.0, 25.0, [&](const CarState& s) {
        flew = flew || s.carInTheAir;
        clearance.Check(sim, *ground);
    });
    EXPECT_TRUE(flew);
    EXPECT_GT(clearance.lowest, 0.0);
    EXPECT_FALSE(sim.state.carInTheAir);
    EXPECT_LT(sim.Speed(), 0.01);
}

// Off a ramp every wheel reports the air during the flight and the ground again after landing.
TEST(CarOnMesh, RampJumpReportsTheFlightAndTheLanding) {
    util::CMesh ramp;
    const double rise = 10.0 * std::tan(15.0 * std::numbers::pi / 180.0);
    ramp.vertices = {{-3.0, 0.0, -20.0}, {3.0, 0.0, -20.0}, {3.0, rise, -30.0}, {-3.0, rise, -30.0}};
    ramp.faces = {0, 1, 2, 0, 2, 3};
    const std::unique_ptr<GroundQuery> ground = BulletGround::Create({MakeFlatGround(400.0, 40), ramp});
    ASSERT_NE(ground, nullptr);
    CarSim sim;
    sim.environment.ground = ground.get();
    sim.parameters.rayMultiplier = 2;
    sim.SetTopSpeed(20.0);
    sim.Start();
    sim.state.velocity = {0.0, 0.0, -20.0};
    sim.raw[kGasPedal] = 1.0;
    int airborneFrames = 0;
    bool landed = false;
    sim.Run(6.0, 25.0, [&](const CarState& s) {
        const CarPose pose = sim.Model().Pose(s);
        const bool allUp = std::all_of(pose.wheels.begin(), pose.wheels.end(),
                                       [](const WheelPose& w) { return w.inTheAir; });
        EXPECT_EQ(allUp, s.carInTheAir);
        if (allUp) ++airborneFrames;
        if (airborneFrames > 0 && !allUp) landed = true;
    });
    EXPECT_GT(airborneFrames, 10); // well over 0.4 s of flight
    EXPECT_TRUE(landed);
    const CarPose pose = sim.Model().Pose(sim.state);
    for (const WheelPose& wheel : pose.wheels) EXPECT_FALSE(wheel.inTheAir);
    // It lands straight and drives on along its line.
    EXPECT_LT(std::abs(sim.state.pose.translation.x), 0.5);
    EXPECT_NEAR(sim.state.speed, 20.0, 0.5);
}

// A car without any ground falls, with every wheel in the air, and nothing breaks.
TEST(CarOnMesh, NoGroundMeansFreeFall) {
    CarSim sim;
    sim.environment.ground = nullptr;
    sim.Start();
    sim.Run(1.0);
    EXPECT_TRUE(sim.state.carInTheAir);
    EXPECT_NEAR(sim.state.velocity.y, -9.81, 0.05);
}

} // namespace
} // namespace vex::orb::addon::test
