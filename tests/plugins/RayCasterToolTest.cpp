#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "interface/CCameraPlugin.h"
#include "platform/win32/MessageBox.h"
#include "plugins/carextended/ground/GroundShapes.h"
#include "plugins/raycaster/CRayCasterObject.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/ToolPageChecks.h"
#include "util/MathOps.h"
#include "util/Rotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CRayCasterObject;
using util::Matrix;
using V = util::Vector3<double>;

constexpr double kSlopeAngle = 0.3;

V Row(const Matrix<double>& m, int row) {
    return {m.m[row][0], m.m[row][1], m.m[row][2]};
}

// An origin at `position` whose −z axis is the unit `direction`.
Matrix<double> Aim(const V& position, const V& direction) {
    const V z = -direction;
    V x = util::Cross(V{0.0, 1.0, 0.0}, z);
    if (util::Length(x) < 1e-6) x = V{1.0, 0.0, 0.0};
    x = x / util::Length(x);
    const V y = util::Cross(z, x);
    Matrix<double> m;
    const V rows[4] = {x, y, z, position};
    for (int i = 0; i < 4; ++i) {
        m.m[i][0] = rows[i].x;
        m.m[i][1] = rows[i].y;
        m.m[i][2] = rows[i].z;
    }
    return m;
}

V Unit(const V& v) {
    return v / util::Length(v);
}

// Where the ray from `origin` along the unit `direction` meets the slope's plane (through the origin,
// rising along +x at kSlopeAngle), and its normal facing up.
struct Analytic {
    V point;
    V normal;
};
Analytic SlopeHit(const V& origin, const V& direction) {
    const V normal{-std::sin(kSlopeAngle), std::cos(kSlopeAngle), 0.0};
    const double t = -util::Dot(normal, origin) / util::Dot(normal, direction);
    return {origin + direction * t, normal};
}

// The compiled-in RayCaster on each host under test.
class RayCasterTool : public ToolOnHost<CRayCasterObject> {
protected:
    RayCasterTool() : ToolOnHost("RayCaster", "RayCaster_01") {}

    // A generated slope of side 20 made the surface, with the surface child parented to it.
    void AddSlope() {
        host_->AddMesh("Slope", addon::MakeSlope(20.0, 4, kSlopeAngle));
        host_->Parent(Name("HitSurfaceChild"), "Slope");
    }
    // Rays keyed on the origin, one per frame from frame 1; then a run over them.
    void CastAll(const std::vector<std::pair<V, V>>& rays) {
        for (size_t i = 0; i < rays.size(); ++i)
            SetKey("RayOrigin", static_cast<double>(i + 1) * kFrame, Aim(rays[i].first, rays[i].second));
        BeginRun(0.0, false);
        for (size_t i = 0; i < rays.size(); ++i) instance_->Step(static_cast<double>(i + 1) * kFrame);
        EndRun();
    }
    // The output channel values the core reads at host time `t`.
    std::vector<double> OutputsAt(double t) {
        host_->SetCurrentTime(t);
        std::vector<double> values;
        for (size_t k = 0; k < tool_->outputs.Count(); ++k) {
            addon::COutputChannel& output = tool_->outputs.At(k);
            EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, &output), 1);
            values.push_back(output.getValue());
        }
        return values;
    }
};

TEST_P(RayCasterTool, CreatesItsNodesOutputsAndPage) {
    for (const char* node : {"RayOrigin", "RayHit", "HitSurfaceChild"})
        EXPECT_GT(host_->MeshFaceCount(Name(node)), 0u) << node;
    EXPECT_EQ(tool_->plugin->getDisplayName(), "Torva RayCaster");
    // A new origin looks straight down from 2 units up.
    const Matrix<double> origin = World("RayOrigin", 0.0);
    EXPECT_NEAR(origin.m[3][1], 2.0, 1e-12);
    EXPECT_NEAR(-Row(origin, 2).y, -1.0, 1e-12);
    ASSERT_EQ(tool_->outputs.Count(), CRayCasterObject::kOutputNames.size());
    for (size_t k = 0; k < tool_->outputs.Count(); ++k)
        EXPECT_EQ(tool_->outputs.At(k).getName(), CRayCasterObject::kOutputNames[k]);
    EXPECT_EQ(tool_->extension(CCamera::kOutputChannelValue, &tool_->hit), 0) << "not an output";
    ExpectPageIs(*instance_, tool_->Page());
}

// Rays from several places in several directions meet a generated slope where the plane says, with
// its normal, in the hit node, the record and the outputs alike. The fast caster is exact to double
// precision; the Bullet world, which follows moving surfaces, to its single precision.
TEST_P(RayCasterTool, HitsOnASlopeAreTheAnalyticIntersectionsWithTheNormal) {
    AddSlope();
    const std::vector<std::pair<V, V>> rays{
        {{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}},
        {{3.2, 6.0, -1.7}, Unit({0.3, -1.0, 0.2})},
        {{-6.0, 1.0, 4.0}, Unit({1.0, -0.4, -0.5})},
        {{5.0, -4.0, 2.0}, Unit({-0.2, 1.0, 0.1})}, // from below: the normal faces down
    };
    for (const bool fast : {true, false}) {
        SCOPED_TRACE(fast ? "fast ray cast" : "Bullet");
        tool_->useFastRayCast = fast;
        CastAll(rays);
        const double tolerance = fast ? 1e-6 : 1e-4;
        for (size_t i = 0; i < rays.size(); ++i) {
            const double t = static_cast<double>(i + 1) * kFrame;
            const Analytic expected = SlopeHit(rays[i].first, rays[i].second);
            const V normal =
                util::Dot(expected.normal, rays[i].second) > 0.0 ? -expected.normal : expected.normal;
            const addon::RayHitState& recorded = *tool_->record.Nearest(t);
            ASSERT_EQ(recorded.hit, 1) << i;
            EXPECT_NEAR(util::Length(recorded.point - expected.point), 0.0, tolerance) << i;
            EXPECT_NEAR(util::Length(recorded.normal - normal), 0.0, tolerance) << i;
            EXPECT_NEAR(recorded.distance, util::Length(expected.point - rays[i].first), tolerance) << i;

            const Matrix<double> hitNode = World("RayHit", t);
            EXPECT_NEAR(util::Length(Row(hitNode, 3) - expected.point), 0.0, tolerance) << i;
            EXPECT_NEAR(util::Length(Row(hitNode, 1) - normal), 0.0, tolerance) << i;
            const std::vector<double> out = OutputsAt(t);
            EXPECT_EQ(out[0], 1.0);
            EXPECT_EQ(out[2], recorded.point.x);
            EXPECT_EQ(out[4], recorded.point.z);
            EXPECT_EQ(out[6], recorded.normal.y);
        }
    }
}

// A ray that points away from the slope, one that passes beside it and one too short to reach it miss:
// "Hit" is 0, the distance is the ray's length and the hit node stands at the ray's far end.
TEST_P(RayCasterTool, AMissIsReportedAsSuch) {
    AddSlope();
    tool_->maximumDistance = 3.0;
    CastAll({{{1.0, 5.0, 1.0}, {0.0, 1.0, 0.0}},
             {{40.0, 5.0, 0.0}, {0.0, -1.0, 0.0}},
             {{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    for (int f = 1; f <= 3; ++f) {
        const addon::RayHitState& recorded = *tool_->record.Nearest(f * kFrame);
        EXPECT_EQ(recorded.hit, 0) << f;
        EXPECT_EQ(recorded.distance, 3.0);
        EXPECT_EQ(recorded.normal, V{});
        const std::vector<double> out = OutputsAt(f * kFrame);
        EXPECT_EQ(out[0], 0.0);
        EXPECT_EQ(out[1], 3.0);
    }
    EXPECT_NEAR(World("RayHit", kFrame).m[3][1], 8.0, 1e-9) << "3 up from 5";
    // Long enough, the last ray reaches the slope.
    tool_->maximumDistance = 10.0;
    CastAll({{{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    EXPECT_EQ(tool_->hit.hit, 1);
}

// The next run casts against the surfaces as they are then: a slope moved between runs is hit where
// it went.
TEST_P(RayCasterTool, ARunCastsAgainstTheSurfacesAsTheyAreWhenItBegins) {
    AddSlope();
    CastAll({{{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    EXPECT_NEAR(tool_->hit.point.y, 0.0, 1e-9);
    CastAll({{{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    EXPECT_NEAR(tool_->hit.point.y, 0.0, 1e-9);
    Matrix<double> raised;
    raised.m[3][1] = 1.5;
    host_->SetStatic("Slope", raised);
    CastAll({{{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    EXPECT_NEAR(tool_->hit.point.y, 1.5, 1e-9);
}

TEST_P(RayCasterTool, WithoutASurfaceEveryRayMissesAndTheUserIsToldOnce) {
    const platform::win32::MessageBoxRecorder boxes;
    CastAll({{{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}, {{0.0, 5.0, 0.0}, {0.0, -1.0, 0.0}}});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "No ground mesh available");
    EXPECT_EQ(tool_->hit.hit, 0);
}

// Through the real-time loop: a take with the origin sweeping over the slope (on and off it), then
// re-simulated from its start, leaves the hit node with the very keys of the take.
TEST_P(RayCasterTool, ALoopTakeReSimulatesToTheSameHitKeys) {
    AddSlope();
    for (int f = 0; f <= 50; ++f) {
        const double t = f * kFrame;
        SetKey("RayOrigin", t,
               Aim({12.0 * std::sin(t), 4.0, 3.0 * std::cos(2.0 * t)}, Unit({0.2 * t, -1.0, 0.1})));
    }
    const auto [take, again] =
        RecordAndResimulateLoopTake<Keys>(*core_, *host_, 2.0, [this] { return KeysOf("RayHit"); });
    ASSERT_GT(take.size(), 40u);
    EXPECT_NE(take.back().value, take.front().value);
    ExpectSameKeys(take, again);
}

// A saved instance read back by a new tool object casts a continued run exactly as the original, and
// answers the recorded hits between runs.
TEST_P(RayCasterTool, ARestoredInstanceContinuesIdenticallyAndKeepsItsHits) {
    AddSlope();
    tool_->maximumDistance = 50.0;
    tool_->useFastRayCast = false;
    for (int f = 0; f <= 12; ++f) SetKey("RayOrigin", f * kFrame, Aim({0.5 * f, 6.0, 0.0}, {0.0, -1.0, 0.0}));
    BeginRun(0.0, false);
    for (int f = 1; f <= 12; ++f) instance_->Step(f * kFrame);
    EndRun();
    const std::vector<double> before = OutputsAt(7 * kFrame);
    ExpectRestoredContinuesIdentically("RayHit", 6, 12);
    Loaded loaded = Reload();
    ASSERT_EQ(loaded->restore(), 0);
    EXPECT_EQ(loaded->maximumDistance, 50.0);
    EXPECT_FALSE(loaded->useFastRayCast);
    ASSERT_NE(loaded->record.Nearest(7 * kFrame), nullptr);
    EXPECT_EQ(addon::RayOutputs(*loaded->record.Nearest(7 * kFrame))[2], before[2]);
}

INSTANTIATE_TEST_SUITE_P(, RayCasterTool, testing::ValuesIn(BuiltHostKinds()), HostKindName);

} // namespace
} // namespace vex::orb::core::test
