// Rays per second of the four-wheeler's ground queries on one thread. Every benchmark casts the same
// wheel detection rays over the same generated hills: the four wheels of a car driven along a curve
// across the terrain, each wheel a bundle of rays along the bottom of its arc and across its tread,
// pointing down from half a metre above the ground. Bullet's own closest-hit ray test is the
// yardstick; the same world through the vehicle raycaster (BulletGround), Embree's robust single rays
// and the packet caster (FastRayCaster) are read against it.
#include "plugins/carextended/ground/BulletGround.h"
#include "plugins/carextended/ground/FastRayCaster.h"
#include "plugins/carextended/ground/GroundShapes.h"

#include <benchmark/benchmark.h>

#include <btBulletDynamicsCommon.h>
#include <embree3/rtcore.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <numbers>
#include <vector>

using vex::orb::addon::BulletGround;
using vex::orb::addon::FastRayCaster;
using vex::orb::addon::GroundHit;
using vex::orb::addon::GroundRay;
using Vec = vex::util::Vector3<double>;

namespace {

constexpr double kAmplitude = 8.0;
constexpr double kWheelRadius = 0.35;
constexpr double kTread = 0.2;
constexpr double kArcStep = 2.0 * std::numbers::pi / 180.0;
constexpr double kRayLength = 1.0;
constexpr double kAboveGround = 0.5;
constexpr int kPathSteps = 2000;

// One generated terrain with every caster built over it.
struct Ground {
    vex::util::CMesh mesh;
    std::unique_ptr<BulletGround> bullet;
    std::unique_ptr<FastRayCaster> fast;
    RTCDevice device = nullptr;
    RTCScene scene = nullptr;
    double size = 0.0;

    ~Ground() {
        if (scene) rtcReleaseScene(scene);
        if (device) rtcReleaseDevice(device);
    }
};

// Embree's robust, high-quality scene over the mesh, as the single-ray yardstick traces it.
void BuildEmbreeScene(Ground& ground) {
    ground.device = rtcNewDevice(nullptr);
    RTCGeometry geometry = rtcNewGeometry(ground.device, RTC_GEOMETRY_TYPE_TRIANGLE);
    auto* v =
        static_cast<float*>(rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_VERTEX, 0, RTC_FORMAT_FLOAT3,
                                                    3 * sizeof(float), ground.mesh.vertices.size()));
    auto* f =
        static_cast<unsigned*>(rtcSetNewGeometryBuffer(geometry, RTC_BUFFER_TYPE_INDEX, 0, RTC_FORMAT_UINT3,
                                                       3 * sizeof(unsigned), ground.mesh.GetTriangleCount()));
    for (std::size_t i = 0; i < ground.mesh.vertices.size(); ++i) {
        v[3 * i] = static_cast<float>(ground.mesh.vertices[i].x);
        v[3 * i + 1] = static_cast<float>(ground.mesh.vertices[i].y);
        v[3 * i + 2] = static_cast<float>(ground.mesh.vertices[i].z);
    }
    for (std::size_t i = 0; i < ground.mesh.faces.size(); ++i)
        f[i] = static_cast<unsigned>(ground.mesh.faces[i]);
    rtcSetGeometryBuildQuality(geometry, RTC_BUILD_QUALITY_HIGH);
    rtcCommitGeometry(geometry);
    ground.scene = rtcNewScene(ground.device);
    rtcSetSceneFlags(ground.scene, RTC_SCENE_FLAG_ROBUST);
    rtcSetSceneBuildQuality(ground.scene, RTC_BUILD_QUALITY_HIGH);
    rtcAttachGeometry(ground.scene, geometry);
    rtcReleaseGeometry(geometry);
    rtcCommitScene(ground.scene);
}

// The terrains: 0 is 512 × 512 cells over 500 m (524,288 triangles), 1 is 224 × 224 cells over 200 m
// (100,352 triangles). Built once, on first use.
Ground& GetGround(int which) {
    static std::unique_ptr<Ground> grounds[2];
    std::unique_ptr<Ground>& slot = grounds[which];
    if (!slot) {
        slot = std::make_unique<Ground>();
        slot->size = which == 0 ? 500.0 : 200.0;
        slot->mesh = vex::orb::addon::MakeTerrain(slot->size, which == 0 ? 512 : 224, kAmplitude, 2024);
        slot->bullet = BulletGround::Create({slot->mesh});
        slot->fast = FastRayCaster::Create({slot->mesh});
        BuildEmbreeScene(*slot);
    }
    return *slot;
}

// Height of the ground under (x, z).
double GroundHeight(const Ground& ground, double x, double z) {
    const GroundRay probe{{x, kAmplitude + 10.0, z}, {0.0, -1.0, 0.0}, 2.0 * kAmplitude + 20.0};
    GroundHit hit;
    ground.fast->Cast({&probe, 1}, {&hit, 1});
    return hit.hit ? hit.point.y : 0.0;
}

// The detection rays of the four wheels at every step of the drive, one bundle per wheel and step:
// `arcPoints` points 2° apart along the bottom of the wheel times `treadPoints` across its tread, the
// first `perWheel` of them.
std::vector<std::vector<GroundRay>> DriveBundles(const Ground& ground, int arcPoints, int treadPoints,
                                                 int perWheel) {
    std::vector<std::vector<GroundRay>> bundles;
    const double reach = 0.4 * ground.size;
    for (int step = 0; step < kPathSteps; ++step) {
        const double s = -1.0 + 2.0 * step / (kPathSteps - 1);
        const Vec centre{reach * s, 0.0, 0.25 * reach * std::sin(std::numbers::pi * s)};
        const Vec heading = [&] {
            const Vec d{1.0, 0.0, 0.25 * std::numbers::pi * std::cos(std::numbers::pi * s)};
            return d / std::sqrt(d.x * d.x + d.z * d.z);
        }();
        const Vec side{-heading.z, 0.0, heading.x};
        for (const double forward : {1.3, -1.3}) {
            for (const double lateral : {0.8, -0.8}) {
                const Vec wheel = centre + heading * forward + side * lateral;
                const double groundY = GroundHeight(ground, wheel.x, wheel.z);
                std::vector<GroundRay> bundle;
                for (int a = 0; a < arcPoints; ++a) {
                    const double angle = (a - 0.5 * (arcPoints - 1)) * kArcStep;
                    for (int t = 0; t < treadPoints; ++t) {
                        if (static_cast<int>(bundle.size()) == perWheel) break;
                        const double across =
                            treadPoints > 1 ? kTread * (t / (treadPoints - 1.0) - 0.5) : 0.0;
                        Vec origin = wheel + heading * (kWheelRadius * std::sin(angle)) + side * across;
                        origin.y = groundY + kAboveGround + kWheelRadius * (1.0 - std::cos(angle));
                        bundle.push_back({origin, {0.0, -1.0, 0.0}, kRayLength});
                    }
                }
                bundles.push_back(std::move(bundle));
            }
        }
    }
    return bundles;
}

std::vector<std::vector<GroundRay>> NineRayBundles(const Ground& ground) {
    return DriveBundles(ground, 3, 3, 9);
}

void SetRate(benchmark::State& state, std::size_t rays) {
    state.counters["rays_per_s"] = benchmark::Counter(static_cast<double>(rays), benchmark::Counter::kIsRate);
}

// Yardstick: Bullet's closest-hit ray test straight on the collision world.
void BM_BulletRayTest(benchmark::State& state) {
    const Ground& ground = GetGround(static_cast<int>(state.range(0)));
    const auto bundles = NineRayBundles(ground);
    btCollisionWorld& world = ground.bullet->World();
    const Vec shift = ground.bullet->LocalOrigin();
    std::size_t next = 0, rays = 0, hits = 0;
    for (auto _ : state) {
        for (const GroundRay& ray : bundles[next]) {
            const Vec from = ray.origin - shift;
            const Vec to = from + ray.direction * ray.length;
            const btVector3 a(static_cast<btScalar>(from.x), static_cast<btScalar>(from.y),
                              static_cast<btScalar>(from.z));
            const btVector3 b(static_cast<btScalar>(to.x), static_cast<btScalar>(to.y),
                              static_cast<btScalar>(to.z));
            btCollisionWorld::ClosestRayResultCallback callback(a, b);
            world.rayTest(a, b, callback);
            hits += callback.hasHit() ? 1 : 0;
        }
        rays += bundles[next].size();
        next = (next + 1) % bundles.size();
    }
    benchmark::DoNotOptimize(hits);
    SetRate(state, rays);
}
BENCHMARK(BM_BulletRayTest)->Arg(0)->Arg(1);

// A caster's Cast, one wheel's bundle per call.
void RunCaster(benchmark::State& state, const vex::orb::addon::GroundQuery& caster,
               const std::vector<std::vector<GroundRay>>& bundles) {
    std::vector<GroundHit> hits(32);
    std::size_t next = 0, rays = 0;
    for (auto _ : state) {
        caster.Cast(bundles[next], hits);
        benchmark::DoNotOptimize(hits.data());
        rays += bundles[next].size();
        next = (next + 1) % bundles.size();
    }
    SetRate(state, rays);
}

// Bullet through the vehicle raycaster: BulletGround.
void BM_BulletGround(benchmark::State& state) {
    const Ground& ground = GetGround(static_cast<int>(state.range(0)));
    RunCaster(state, *ground.bullet, NineRayBundles(ground));
}
BENCHMARK(BM_BulletGround)->Arg(0)->Arg(1);

// Embree's robust single rays, one rtcIntersect1 per ray.
void BM_EmbreeSingleRays(benchmark::State& state) {
    const Ground& ground = GetGround(static_cast<int>(state.range(0)));
    const auto bundles = NineRayBundles(ground);
    std::size_t next = 0, rays = 0, hits = 0;
    for (auto _ : state) {
        for (const GroundRay& ray : bundles[next]) {
            RTCRayHit query{};
            query.ray.org_x = static_cast<float>(ray.origin.x);
            query.ray.org_y = static_cast<float>(ray.origin.y);
            query.ray.org_z = static_cast<float>(ray.origin.z);
            query.ray.dir_x = static_cast<float>(ray.direction.x);
            query.ray.dir_y = static_cast<float>(ray.direction.y);
            query.ray.dir_z = static_cast<float>(ray.direction.z);
            query.ray.tfar = static_cast<float>(ray.length);
            query.ray.mask = 0xffffffffU;
            query.hit.geomID = RTC_INVALID_GEOMETRY_ID;
            RTCIntersectContext context;
            rtcInitIntersectContext(&context);
            rtcIntersect1(ground.scene, &context, &query);
            hits += query.hit.geomID != RTC_INVALID_GEOMETRY_ID ? 1 : 0;
        }
        rays += bundles[next].size();
        next = (next + 1) % bundles.size();
    }
    benchmark::DoNotOptimize(hits);
    SetRate(state, rays);
}
BENCHMARK(BM_EmbreeSingleRays)->Arg(0)->Arg(1);

// The packet caster on bundles of 3 (across the tread), 8, 9 (3 × 3) and 15 (5 along the arc × 3).
void BM_FastRayCaster(benchmark::State& state) {
    const Ground& ground = GetGround(static_cast<int>(state.range(0)));
    const int perWheel = static_cast<int>(state.range(1));
    const int arcPoints = perWheel == 3 ? 1 : perWheel == 15 ? 5 : 3;
    RunCaster(state, *ground.fast, DriveBundles(ground, arcPoints, 3, perWheel));
    state.counters["packet_width"] = ground.fast->PacketWidth();
}
BENCHMARK(BM_FastRayCaster)->ArgsProduct({{0, 1}, {3, 8, 9, 15}});

} // namespace
