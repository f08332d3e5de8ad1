// The four-wheeler's vehicle model over generated terrain: re-simulating a drive frame by frame, as
// the tool does when a take is re-simulated, with the fast ray caster and with Bullet's, and the cost of
// one live frame. The baseline is real time at 25 frames per second.

#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/FastRayCaster.h"
#include "plugins/carextended/ground/GroundShapes.h"
#include "plugins/carextended/model/CarModel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace vex::orb::addon;
using V = vex::util::Vector3<double>;

constexpr double kFrame = 1.0 / 25.0;

// The 100k-triangle terrain: 224 × 224 cells over 600 m with hills of ±2 m.
const vex::util::CMesh& Terrain() {
    static const vex::util::CMesh terrain = MakeTerrain(600.0, 224, 2.0, 11);
    return terrain;
}

struct Drive {
    CarParameters parameters;
    CarGeometry geometry = CarGeometry::Default(4.2);
    CarEnvironment environment;
    CarState start;

    explicit Drive(const GroundQuery* ground) {
        parameters.rayMultiplier = 3;
        parameters.addRaysAtWheelEdges = true;
        parameters.inputs[kGasPedal].maximum = 6.0; // 91 km/h
        environment.ground = ground;
        GroundHit hit;
        const GroundRay down{{0.0, 100.0, 0.0}, {0.0, -1.0, 0.0}, 200.0};
        ground->Cast({&down, 1}, {&hit, 1});
        start = CarModel(parameters, geometry)
                    .Start({{0.0, hit.point.y, 0.0}, {0.0, 0.0, 0.0, 1.0}}, environment);
    }
    // The inputs of frame `f`: gas with a slow weave.
    static CarRawInputs Inputs(int f) {
        CarRawInputs raw{};
        raw[kGasPedal] = 1.0;
        raw[kSteering] = 0.3 * std::sin(f * 0.02);
        return raw;
    }
};

// Frames of a 40 s drive re-simulated per second.
void Resimulate(benchmark::State& bench, const GroundQuery* ground) {
    const Drive drive(ground);
    const CarModel model(drive.parameters, drive.geometry);
    constexpr int kFrames = 1000;
    for (auto _ : bench) {
        CarState state = drive.start;
        for (int f = 0; f < kFrames; ++f) model.Advance(state, Drive::Inputs(f), drive.environment, kFrame);
        benchmark::DoNotOptimize(state.pose);
    }
    bench.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(bench.iterations()) * kFrames, benchmark::Counter::kIsRate);
    bench.counters["x_real_time"] = benchmark::Counter(
        static_cast<double>(bench.iterations()) * kFrames * kFrame, benchmark::Counter::kIsRate);
}

void BM_ResimulateFastRayCast(benchmark::State& bench) {
    static const std::unique_ptr<GroundQuery> ground = FastRayCaster::Create({Terrain()});
    Resimulate(bench, ground.get());
}
BENCHMARK(BM_ResimulateFastRayCast)->Unit(benchmark::kMillisecond);

void BM_ResimulateBulletRayCast(benchmark::State& bench) {
    static const std::unique_ptr<GroundQuery> ground = BulletGround::Create({Terrain()});
    Resimulate(bench, ground.get());
}
BENCHMARK(BM_ResimulateBulletRayCast)->Unit(benchmark::kMillisecond);

// One live frame (24 sub-steps) of the car mid-drive with the fast caster.
void BM_LiveFrame(benchmark::State& bench) {
    static const std::unique_ptr<GroundQuery> ground = FastRayCaster::Create({Terrain()});
    const Drive drive(ground.get());
    const CarModel model(drive.parameters, drive.geometry);
    CarState state = drive.start;
    for (int f = 0; f < 250; ++f) model.Advance(state, Drive::Inputs(f), drive.environment, kFrame);
    const CarState midDrive = state;
    int f = 250;
    for (auto _ : bench) {
        model.Advance(state, Drive::Inputs(f), drive.environment, kFrame);
        if (++f == 750) {
            state = midDrive;
            f = 250;
        }
    }
}
BENCHMARK(BM_LiveFrame)->Unit(benchmark::kMicrosecond);

} // namespace
