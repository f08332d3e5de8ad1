#include "plugins/carextended/ground/GroundShapes.h"
#include "tests/plugins/carextended/ground/GroundTestSupport.h"

#include <gtest/gtest.h>

namespace vex::orb::addon {
namespace {

using test::CastOne;
using util::Vector3;

const Vector3<double> kDown{0.0, -1.0, 0.0};

TEST(BulletGroundUpdate, MovedGroundMovesTheHit) {
    auto ground = BulletGround::Create({MakeFlatGround(20.0, 4, 0.0), MakeFlatGround(4.0, 2, -1.0)});
    ASSERT_TRUE(ground);
    const GroundRay ray{{1.0, 2.0, 1.0}, kDown, 5.0};
    ASSERT_NEAR(CastOne(*ground, ray).distance, 2.0, 1e-6);

    // Same faces: the tree is refitted.
    ASSERT_TRUE(ground->UpdateSurface(0, MakeFlatGround(20.0, 4, 0.75)));
    EXPECT_TRUE(ground->LastUpdateRefitted());
    GroundHit hit = CastOne(*ground, ray);
    ASSERT_TRUE(hit.hit);
    EXPECT_NEAR(hit.distance, 1.25, 1e-6);
    EXPECT_EQ(hit.surface, 0);

    // Other faces: the shape is built again.
    ASSERT_TRUE(ground->UpdateSurface(0, MakeSlope(20.0, 7, 0.2)));
    EXPECT_FALSE(ground->LastUpdateRefitted());
    hit = CastOne(*ground, ray);
    ASSERT_TRUE(hit.hit);
    EXPECT_NEAR(hit.point.y, std::tan(0.2) * 1.0, 1e-5);

    // Moving the first surface away leaves the second one below.
    ASSERT_TRUE(ground->UpdateSurface(0, MakeFlatGround(20.0, 4, -50.0)));
    hit = CastOne(*ground, ray);
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.surface, 1);
    EXPECT_NEAR(hit.distance, 3.0, 1e-6);
}

TEST(BulletGroundUpdate, GroundMovedFarOutsideTheWorldIsStillFound) {
    auto ground = BulletGround::Create({MakeFlatGround(10.0, 2, 0.0)});
    ASSERT_TRUE(ground);
    ASSERT_TRUE(ground->UpdateSurface(0, MakeFlatGround(10.0, 2, 2000.0)));
    const GroundHit hit = CastOne(*ground, {{0.5, 2001.0, 0.5}, kDown, 2.0});
    ASSERT_TRUE(hit.hit);
    EXPECT_NEAR(hit.distance, 1.0, 1e-4);
    EXPECT_FALSE(CastOne(*ground, {{0.5, 1.0, 0.5}, kDown, 2.0}).hit);
}

TEST(BulletGroundUpdate, UnusableSurfaceCanBecomeGround) {
    auto ground = BulletGround::Create({MakeFlatGround(10.0, 2, 0.0), util::CMesh{}});
    ASSERT_TRUE(ground);
    ASSERT_TRUE(ground->UpdateSurface(1, MakeFlatGround(10.0, 2, 0.5)));
    const GroundHit hit = CastOne(*ground, {{0.5, 1.0, 0.5}, kDown, 2.0});
    ASSERT_TRUE(hit.hit);
    EXPECT_EQ(hit.surface, 1);
    EXPECT_NEAR(hit.distance, 0.5, 1e-6);
}

TEST(BulletGroundUpdate, RejectsBadIndicesAndMeshes) {
    auto ground = BulletGround::Create({MakeFlatGround(10.0, 2, 0.0)});
    ASSERT_TRUE(ground);
    EXPECT_FALSE(ground->UpdateSurface(1, MakeFlatGround(10.0, 2, 1.0)));
    EXPECT_FALSE(ground->UpdateSurface(0, util::CMesh{}));
    // A rejected update leaves the ground as it was.
    EXPECT_NEAR(CastOne(*ground, {{0.5, 1.0, 0.5}, kDown, 2.0}).distance, 1.0, 1e-6);
}

TEST(FastRayCasterUpdate, ServesStaticGroundOnly) {
    auto caster = FastRayCaster::Create({MakeFlatGround(10.0, 2, 0.0)});
    ASSERT_TRUE(caster);
    EXPECT_FALSE(caster->UpdateSurface(0, MakeFlatGround(10.0, 2, 0.5)));
    EXPECT_NEAR(CastOne(*caster, {{0.5, 1.0, 0.5}, kDown, 2.0}).distance, 1.0, 1e-6);
}

} // namespace
} // namespace vex::orb::addon
