#include "plugins/carextended/ground/GroundShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vex::orb::addon {
namespace {

using util::Vector3;

Vector3<double> FaceNormal(const util::CMesh& mesh, std::size_t t) {
    const auto& a = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t])];
    const auto& b = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t + 1])];
    const auto& c = mesh.vertices[static_cast<std::size_t>(mesh.faces[3 * t + 2])];
    const Vector3<double> ab = b - a;
    const Vector3<double> ac = c - a;
    return {ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z, ab.x * ac.y - ab.y * ac.x};
}

// The grid's layout shared by every shape: counts, indices in range, and every face turned up.
void ExpectUpwardGrid(const util::CMesh& mesh, int cells) {
    const auto side = static_cast<std::size_t>(cells + 1);
    ASSERT_EQ(mesh.vertices.size(), side * side);
    ASSERT_EQ(mesh.GetTriangleCount(), 2u * static_cast<std::size_t>(cells * cells));
    for (int32_t index : mesh.faces) {
        ASSERT_GE(index, 0);
        ASSERT_LT(static_cast<std::size_t>(index), mesh.vertices.size());
    }
    for (std::size_t t = 0; t < mesh.GetTriangleCount(); ++t) ASSERT_GT(FaceNormal(mesh, t).y, 0.0) << t;
}

TEST(GroundShapes, FlatGroundIsAnUpwardSquareGridAtItsHeight) {
    const util::CMesh mesh = MakeFlatGround(20.0, 8, 1.5);
    ExpectUpwardGrid(mesh, 8);
    double minX = 1e9, maxX = -1e9, minZ = 1e9, maxZ = -1e9;
    for (const auto& v : mesh.vertices) {
        EXPECT_EQ(v.y, 1.5);
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minZ = std::min(minZ, v.z);
        maxZ = std::max(maxZ, v.z);
    }
    EXPECT_EQ(minX, -10.0);
    EXPECT_EQ(maxX, 10.0);
    EXPECT_EQ(minZ, -10.0);
    EXPECT_EQ(maxZ, 10.0);
}

TEST(GroundShapes, SlopeRisesAlongXAtItsAngle) {
    const double angle = 0.3;
    const util::CMesh mesh = MakeSlope(10.0, 5, angle);
    ExpectUpwardGrid(mesh, 5);
    for (const auto& v : mesh.vertices) EXPECT_NEAR(v.y, v.x * std::tan(angle), 1e-12);
    for (std::size_t t = 0; t < mesh.GetTriangleCount(); ++t) {
        const Vector3<double> n = FaceNormal(mesh, t);
        const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        EXPECT_NEAR(n.y / length, std::cos(angle), 1e-12);
        EXPECT_LT(n.x, 0.0);
    }
}

TEST(GroundShapes, TerrainIsHillyWithinItsAmplitudeAndSetBySeed) {
    const double amplitude = 4.0;
    const util::CMesh mesh = MakeTerrain(300.0, 60, amplitude, 7);
    ExpectUpwardGrid(mesh, 60);
    double lo = 1e9, hi = -1e9;
    for (const auto& v : mesh.vertices) {
        lo = std::min(lo, v.y);
        hi = std::max(hi, v.y);
    }
    EXPECT_GE(lo, -amplitude);
    EXPECT_LE(hi, amplitude);
    EXPECT_GT(hi - lo, 0.5 * amplitude) << "hills, not a floor";

    const util::CMesh again = MakeTerrain(300.0, 60, amplitude, 7);
    EXPECT_EQ(mesh.vertices, again.vertices);
    const util::CMesh other = MakeTerrain(300.0, 60, amplitude, 8);
    EXPECT_NE(mesh.vertices, other.vertices);
}

TEST(GroundShapes, TerrainHeightDoesNotDependOnResolution) {
    // Grid points shared by a coarse and a fine grid of the same terrain lie at the same height.
    const util::CMesh coarse = MakeTerrain(100.0, 10, 3.0, 11);
    const util::CMesh fine = MakeTerrain(100.0, 20, 3.0, 11);
    for (std::size_t i = 0; i <= 10; ++i) {
        for (std::size_t j = 0; j <= 10; ++j) {
            const auto& c = coarse.vertices[i * 11 + j];
            const auto& f = fine.vertices[(2 * i) * 21 + 2 * j];
            ASSERT_DOUBLE_EQ(c.x, f.x);
            ASSERT_DOUBLE_EQ(c.z, f.z);
            ASSERT_NEAR(c.y, f.y, 1e-12);
        }
    }
}

TEST(GroundShapes, NoCellsGiveNoMesh) {
    EXPECT_TRUE(MakeFlatGround(10.0, 0).vertices.empty());
    EXPECT_TRUE(MakeTerrain(10.0, -3, 1.0, 1).faces.empty());
}

} // namespace
} // namespace vex::orb::addon
