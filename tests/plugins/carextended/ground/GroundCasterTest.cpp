#include "plugins/carextended/ground/GroundShapes.h"
#include "tests/plugins/carextended/ground/GroundTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

namespace vex::orb::addon {
namespace {

using test::CasterKind;
using test::CastOne;
using test::Dot;
using test::RayThrough;
using util::Vector3;

const Vector3<double> kDown{0.0, -1.0, 0.0};

// The behaviour both casters share, run against each.
class GroundCasterTest : public ::testing::TestWithParam<CasterKind> {
protected:
    std::unique_ptr<GroundQuery> Make(const std::vector<util::CMesh>& surfaces) const {
        return test::MakeCaster(GetParam(), surfaces);
    }
};

TEST_P(GroundCasterTest, FlatGroundHitIsExact) {
    const double height = 0.25;
    auto caster = Make({MakeFlatGround(40.0, 16, height)});
    ASSERT_TRUE(caster);
    EXPECT_EQ(caster->SurfaceCount(), 1u);
    const Vector3<double> origin{3.3, 1.0, -7.1};
    const GroundHit hit = CastOne(*caster, {origin, kDown, 2.0});
    ASSERT_TRUE(hit.hit);
    EXPECT_NEAR(hit.distance, origin.y - height, 1e-6);
    EXPECT_NEAR(hit.point.x, origin.x, 1e-12);
    EXPECT_NEAR(hit.point.y, height, 1e-6);
    EXPECT_NEAR(hit.point.z, origin.z, 1e-12);
    EXPECT_NEAR(hit.normal.y, 1.0, 1e-6);
    EXPECT_EQ(hit.surface, 0);

    // A slanted ray travels the height over the cosine of its tilt.
    const Vector3<double> slanted = test::Unit(Vector3<double>{0.6, -1.0, 0.2});
    const GroundHit tilted = CastOne(*caster, {origin, slanted, 3.0});
    ASSERT_TRUE(tilted.hit);
    EXPECT_NEAR(tilted.distance, (origin.y - height) / -slanted.y, 1e-6);
}

TEST_P(GroundCasterTest, SlopeHitLiesOnThePlane) {
    const double angle = 0.4;
    auto caster = Make({MakeSlope(30.0, 10, angle)});
    ASSERT_TRUE(caster);
    const Vector3<double> origin{2.0, 5.0, 1.0};
    const GroundHit hit = CastOne(*caster, {origin, kDown, 10.0});
    ASSERT_TRUE(hit.hit);
    EXPECT_NEAR(hit.point.y, origin.x * std::tan(angle), 1e-5);
    EXPECT_NEAR(hit.normal.x, -std::sin(angle), 1e-5);
    EXPECT_NEAR(hit.normal.y, std::cos(angle), 1e-5);
}

TEST_P(GroundCasterTest, RayShorterThanTheGroundMisses) {
    auto caster = Make({MakeTerrain(60.0, 30, 2.0, 3)});
    ASSERT_TRUE(caster);
    const Vector3<double> origin{4.2, 5.0, -3.7};
    const GroundHit reach = CastOne(*caster, {origin, kDown, 20.0});
    ASSERT_TRUE(reach.hit);
    EXPECT_FALSE(CastOne(*caster, {origin, kDown, reach.distance - 1e-3}).hit);
    EXPECT_TRUE(CastOne(*caster, {origin, kDown, reach.distance + 1e-3}).hit);
    EXPECT_FALSE(CastOne(*caster, {origin, kDown, 0.0}).hit);
    // Pointing away from the ground finds nothing.
    EXPECT_FALSE(CastOne(*caster, {origin, -kDown, 20.0}).hit);
}

TEST_P(GroundCasterTest, NormalsFaceTheRayOrigin) {
    auto caster = Make({MakeTerrain(60.0, 30, 2.0, 5)});
    ASSERT_TRUE(caster);
    for (int i = 0; i < 20; ++i) {
        const double x = -20.0 + 2.0 * i;
        const Vector3<double> up = test::Unit(Vector3<double>{0.1, 1.0, -0.05});
        const GroundHit below = CastOne(*caster, {{x, -5.0, 3.0}, up, 10.0});
        ASSERT_TRUE(below.hit) << x;
        EXPECT_LT(Dot(below.normal, up), 0.0);
        EXPECT_LT(below.normal.y, 0.0);
        EXPECT_NEAR(Dot(below.normal, below.normal), 1.0, 1e-9);
        const GroundHit above = CastOne(*caster, {{x, 5.0, 3.0}, kDown, 10.0});
        ASSERT_TRUE(above.hit) << x;
        EXPECT_GT(above.normal.y, 0.0);
    }
}

// Rays aimed exactly at the grid's vertices, its edges and the cells' diagonals, where two or more
// triangles meet, from slightly tilted directions; cast alone and in bundles of 4, 9 and 16.
void ExpectSeamsHit(const GroundQuery& caster, const util::CMesh& mesh, int cells, const char* what) {
    const auto side = static_cast<std::size_t>(cells + 1);
    std::vector<GroundRay> rays;
    for (std::size_t i = 1; i + 1 < side; i += 3) {
        for (std::size_t j = 1; j + 1 < side; j += 3) {
            const Vector3<double>& p = mesh.vertices[i * side + j];
            const Vector3<double>& right = mesh.vertices[(i + 1) * side + j];
            const Vector3<double>& forward = mesh.vertices[i * side + j + 1];
            const Vector3<double> targets[] = {p, (p + right) * 0.5, (p + forward) * 0.5,
                                               (right + forward) * 0.5};
            const Vector3<double> offsets[] = {{0, 1.0, 0}, {0.013, 0.7, -0.021}, {-0.2, 1.3, 0.1}};
            for (const Vector3<double>& target : targets) {
                for (const Vector3<double>& offset : offsets)
                    rays.push_back(RayThrough(target + offset, target, 0.5));
            }
        }
    }
    ASSERT_GT(rays.size(), 100u);
    std::vector<GroundHit> hits(rays.size());
    for (std::size_t bundle : {1, 4, 9, 16}) {
        for (std::size_t first = 0; first < rays.size(); first += bundle) {
            const std::size_t count = std::min(bundle, rays.size() - first);
            caster.Cast(std::span(rays).subspan(first, count), std::span(hits).subspan(first, count));
        }
        for (std::size_t r = 0; r < rays.size(); ++r) {
            ASSERT_TRUE(hits[r].hit) << what << ", bundles of " << bundle << ", at " << rays[r].origin.x
                                     << ", " << rays[r].origin.z;
            ASSERT_NEAR(hits[r].distance, rays[r].length - 0.5, 1e-4) << what << ", bundles of " << bundle;
        }
    }
}

TEST_P(GroundCasterTest, SharedEdgesAndVerticesNeverLetARayThrough) {
    const util::CMesh flat = MakeFlatGround(64.0, 64, 0.3);
    auto flatCaster = Make({flat});
    ASSERT_TRUE(flatCaster);
    ExpectSeamsHit(*flatCaster, flat, 64, "flat");

    const util::CMesh hills = MakeTerrain(300.0, 150, 6.0, 21);
    auto hillCaster = Make({hills});
    ASSERT_TRUE(hillCaster);
    ExpectSeamsHit(*hillCaster, hills, 150, "terrain");
}

TEST_P(GroundCasterTest, NearestOfSeveralSurfacesWins) {
    // Surface 1 is unusable and keeps its number; 2 lies above 0 over part of the floor.
    util::CMesh unusable;
    unusable.vertices = {{0, 0, 0}};
    util::CMesh raised = MakeFlatGround(10.0, 4, 1.0);
    auto caster = Make({MakeFlatGround(40.0, 8, 0.0), unusable, raised});
    ASSERT_TRUE(caster);
    EXPECT_EQ(caster->SurfaceCount(), 3u);

    const GroundHit over = CastOne(*caster, {{1.0, 3.0, 1.0}, kDown, 5.0});
    ASSERT_TRUE(over.hit);
    EXPECT_EQ(over.surface, 2);
    EXPECT_NEAR(over.distance, 2.0, 1e-6);

    const GroundHit between = CastOne(*caster, {{1.0, 0.5, 1.0}, kDown, 5.0});
    ASSERT_TRUE(between.hit);
    EXPECT_EQ(between.surface, 0);
    EXPECT_NEAR(between.distance, 0.5, 1e-6);

    const GroundHit beside = CastOne(*caster, {{12.0, 3.0, 1.0}, kDown, 5.0});
    ASSERT_TRUE(beside.hit);
    EXPECT_EQ(beside.surface, 0);
    EXPECT_NEAR(beside.distance, 3.0, 1e-6);

    // From below, the lower floor is the nearer one.
    const GroundHit fromBelow = CastOne(*caster, {{1.0, -1.0, 1.0}, -kDown, 5.0});
    ASSERT_TRUE(fromBelow.hit);
    EXPECT_EQ(fromBelow.surface, 0);
    EXPECT_NEAR(fromBelow.normal.y, -1.0, 1e-6);
}

TEST_P(GroundCasterTest, NothingUsableGivesNoCaster) {
    util::CMesh degenerate;
    degenerate.vertices = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    degenerate.faces = {0, 1, 2};
    EXPECT_FALSE(Make({}));
    EXPECT_FALSE(Make({util::CMesh{}, degenerate}));
}

TEST_P(GroundCasterTest, BadRaysInABundleMissAlone) {
    auto caster = Make({MakeFlatGround(40.0, 8, 0.0)});
    ASSERT_TRUE(caster);
    std::vector<GroundRay> rays(6, GroundRay{{0.5, 1.0, 0.5}, kDown, 2.0});
    rays[1].length = 0.0;
    rays[4].length = -1.0;
    std::vector<GroundHit> hits(rays.size());
    caster->Cast(rays, hits);
    for (std::size_t r = 0; r < rays.size(); ++r) {
        EXPECT_EQ(hits[r].hit, rays[r].length > 0.0) << r;
        if (hits[r].hit) {
            EXPECT_NEAR(hits[r].distance, 1.0, 1e-6);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothCasters, GroundCasterTest,
                         ::testing::Values(CasterKind::kBullet, CasterKind::kFast),
                         [](const ::testing::TestParamInfo<CasterKind>& info) {
                             return test::CasterName(info.param);
                         });

} // namespace
} // namespace vex::orb::addon
