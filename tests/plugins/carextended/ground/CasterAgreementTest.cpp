#include "plugins/carextended/ground/GroundShapes.h"
#include "tests/plugins/carextended/ground/GroundTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

namespace vex::orb::addon {
namespace {

using util::Vector3;

constexpr double kSize = 200.0;
constexpr int kCells = 224; // about 100,000 triangles
constexpr double kAmplitude = 5.0;
constexpr double kTolerance = 1e-4;

// Bullet and the fast caster over the same hills, built once for the suite.
class CasterAgreementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::vector<util::CMesh> surfaces{MakeTerrain(kSize, kCells, kAmplitude, 2024)};
        bullet_ = BulletGround::Create(surfaces).release();
        fast_ = FastRayCaster::Create(surfaces).release();
    }
    static void TearDownTestSuite() {
        delete bullet_;
        delete fast_;
        bullet_ = nullptr;
        fast_ = nullptr;
    }

    // Random wheel bundles over the inner terrain: mostly downward-ish from about the ground's height, a
    // tenth upward from below, lengths such that some end short of the ground.
    static std::vector<std::vector<GroundRay>> Bundles(unsigned seed, int bundles,
                                                       const std::vector<int>& sizes) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> across(-0.45 * kSize, 0.45 * kSize);
        std::uniform_real_distribution<double> height(-kAmplitude - 0.5, kAmplitude + 0.5);
        std::uniform_real_distribution<double> tilt(-0.35, 0.35);
        std::uniform_real_distribution<double> length(0.3, 2.0 * kAmplitude + 1.0);
        std::uniform_int_distribution<std::size_t> pick(0, sizes.size() - 1);
        std::vector<std::vector<GroundRay>> out;
        for (int b = 0; b < bundles; ++b) {
            const bool up = b % 10 == 9;
            const Vector3<double> centre{across(random), up ? -kAmplitude - 1.0 : height(random),
                                         across(random)};
            const Vector3<double> direction =
                test::Unit(Vector3<double>{tilt(random), up ? 1.0 : -1.0, tilt(random)});
            out.push_back(test::WheelBundle(random, centre, direction, length(random), sizes[pick(random)]));
        }
        return out;
    }

    static BulletGround* bullet_;
    static FastRayCaster* fast_;
};

BulletGround* CasterAgreementTest::bullet_ = nullptr;
FastRayCaster* CasterAgreementTest::fast_ = nullptr;

TEST_F(CasterAgreementTest, BothCastersGiveTheSameHitsForWheelBundles) {
    ASSERT_TRUE(bullet_ && fast_);
    int rays = 0, hits = 0, misses = 0, borderline = 0;
    double worst = 0.0;
    // Bundles of 1, 3, 9 and 15 rays, about 100,000 rays in all.
    for (const auto& bundle : Bundles(99, 14'000, {1, 3, 9, 15})) {
        std::vector<GroundHit> slow(bundle.size()), quick(bundle.size());
        bullet_->Cast(bundle, slow);
        fast_->Cast(bundle, quick);
        for (std::size_t r = 0; r < bundle.size(); ++r) {
            ++rays;
            const GroundHit& a = slow[r];
            const GroundHit& b = quick[r];
            if (a.hit != b.hit) {
                // Only a ray that ends on the ground itself may be read either way.
                const GroundHit& found = a.hit ? a : b;
                ASSERT_NEAR(found.distance, bundle[r].length, kTolerance) << "ray " << rays;
                ++borderline;
                continue;
            }
            if (!a.hit) {
                ++misses;
                continue;
            }
            ++hits;
            worst = std::max(worst, std::abs(a.distance - b.distance));
            ASSERT_NEAR(a.distance, b.distance, kTolerance) << "ray " << rays;
            ASSERT_EQ(a.surface, b.surface);
            ASSERT_GT(test::Dot(a.normal, b.normal), 0.99) << "ray " << rays;
            ASSERT_LT(test::Dot(b.normal, bundle[r].direction), 0.0);
        }
    }
    EXPECT_GT(rays, 90'000);
    // The ray set exercises both answers; a ray ending on the ground is rare.
    EXPECT_GT(hits, rays / 4);
    EXPECT_GT(misses, rays / 10);
    EXPECT_LT(borderline, 10);
    RecordProperty("worst_distance_difference_um", static_cast<int>(worst * 1e6));
}

TEST_F(CasterAgreementTest, PacketsGiveTheSameAnswersAsSingleRays) {
    ASSERT_TRUE(fast_);
    const std::vector<int> sizes{2, 3, 4, 5, 8, 9, 15, 16, 17, 33};
    const int widest = fast_->PacketWidth();
    for (int width : {16, 8, 4, 1}) {
        fast_->LimitPacketWidth(width);
        EXPECT_LE(fast_->PacketWidth(), std::min(width, widest));
        int hits = 0;
        for (const auto& bundle : Bundles(7 + static_cast<unsigned>(width), 400, sizes)) {
            std::vector<GroundHit> together(bundle.size());
            fast_->Cast(bundle, together);
            for (std::size_t r = 0; r < bundle.size(); ++r) {
                const GroundHit alone = test::CastOne(*fast_, bundle[r]);
                ASSERT_EQ(alone.hit, together[r].hit)
                    << "width " << width << ", " << bundle.size() << " rays";
                if (!alone.hit) continue;
                ++hits;
                ASSERT_NEAR(alone.distance, together[r].distance, 1e-9);
                ASSERT_NEAR(test::Dot(alone.normal, together[r].normal), 1.0, 1e-9);
                ASSERT_EQ(alone.surface, together[r].surface);
            }
        }
        EXPECT_GT(hits, 100) << "width " << width;
    }
    fast_->LimitPacketWidth(16);
    EXPECT_EQ(fast_->PacketWidth(), widest);
}

TEST_F(CasterAgreementTest, EveryPacketSizeMatchesBullet) {
    ASSERT_TRUE(bullet_ && fast_);
    std::mt19937 random(5);
    for (int count : {1, 2, 4, 5, 8, 9, 16, 17}) {
        const Vector3<double> centre{12.0 + count, kAmplitude + 0.7, -30.0 + count};
        const auto bundle =
            test::WheelBundle(random, centre, {0.0, -1.0, 0.0}, 2.0 * kAmplitude + 2.0, count);
        std::vector<GroundHit> slow(bundle.size()), quick(bundle.size());
        bullet_->Cast(bundle, slow);
        fast_->Cast(bundle, quick);
        for (std::size_t r = 0; r < bundle.size(); ++r) {
            ASSERT_TRUE(slow[r].hit && quick[r].hit) << count;
            EXPECT_NEAR(slow[r].distance, quick[r].distance, kTolerance) << count;
            EXPECT_NEAR(slow[r].point.y, quick[r].point.y, kTolerance) << count;
        }
    }
}

} // namespace
} // namespace vex::orb::addon
