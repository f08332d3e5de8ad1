#include "plugins/carextended/ground/GroundMeshCheck.h"

#include "interface/CMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vex::orb::addon {
namespace {

using util::Vector3;

// Four vertices of a unit square in the floor plane and a fifth far away that no face uses.
util::CMesh SquareWithSpare() {
    util::CMesh mesh;
    mesh.vertices = {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {1, 0, 1}, {9, 9, 9}};
    mesh.faces = {0, 1, 2, 2, 1, 3};
    return mesh;
}

TEST(GroundMeshCheck, KeepsGoodTrianglesAndDropsUnusedVertices) {
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(SquareWithSpare(), out), GroundMeshStatus::kUsable);
    EXPECT_EQ(out.GetTriangleCount(), 2u);
    ASSERT_EQ(out.vertices.size(), 4u);
    for (const auto& v : out.vertices) EXPECT_NE(v, (Vector3<double>{9, 9, 9}));
}

TEST(GroundMeshCheck, RenumbersVerticesInOrderOfFirstUse) {
    util::CMesh in = SquareWithSpare();
    in.faces = {3, 2, 1};
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    ASSERT_EQ(out.faces, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(out.vertices[0], in.vertices[3]);
    EXPECT_EQ(out.vertices[1], in.vertices[2]);
    EXPECT_EQ(out.vertices[2], in.vertices[1]);
}

TEST(GroundMeshCheck, DropsTrianglesWithIndicesOutOfRange) {
    util::CMesh in = SquareWithSpare();
    in.faces = {0, 1, 2, 0, 1, 5, -1, 1, 2, 2, 1, 3};
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    EXPECT_EQ(out.GetTriangleCount(), 2u);
}

TEST(GroundMeshCheck, DropsTrianglesWithNonFiniteVertices) {
    util::CMesh in = SquareWithSpare();
    in.vertices[3].y = std::numeric_limits<double>::quiet_NaN();
    in.vertices.push_back({std::numeric_limits<double>::infinity(), 0, 0});
    in.faces.insert(in.faces.end(), {0, 1, 5});
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    ASSERT_EQ(out.GetTriangleCount(), 1u);
    for (const auto& v : out.vertices) EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y));
}

TEST(GroundMeshCheck, DropsTrianglesWithoutArea) {
    util::CMesh in = SquareWithSpare();
    in.vertices.push_back({2, 0, 0}); // on the line through vertices 0 and 2
    in.faces = {0, 2, 5, 1, 1, 3, 0, 1, 2};
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    EXPECT_EQ(out.faces, (std::vector<int32_t>{0, 1, 2}));
}

TEST(GroundMeshCheck, KeepsSmallButProperTriangles) {
    util::CMesh in;
    in.vertices = {{0, 0, 0}, {0, 0, 1e-3}, {1e-3, 0, 0}};
    in.faces = {0, 1, 2};
    util::CMesh out;
    EXPECT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    EXPECT_EQ(out.GetTriangleCount(), 1u);
}

TEST(GroundMeshCheck, IgnoresATrailingPartialFace) {
    util::CMesh in = SquareWithSpare();
    in.faces.push_back(0);
    in.faces.push_back(1);
    util::CMesh out;
    ASSERT_EQ(PrepareGroundMesh(in, out), GroundMeshStatus::kUsable);
    EXPECT_EQ(out.faces.size(), 6u);
}

TEST(GroundMeshCheck, ReportsEmptyAndInvalidMeshes) {
    util::CMesh out = SquareWithSpare();
    util::CMesh noVertices;
    noVertices.faces = {0, 1, 2};
    EXPECT_EQ(PrepareGroundMesh(noVertices, out), GroundMeshStatus::kEmpty);
    EXPECT_TRUE(out.vertices.empty() && out.faces.empty());

    util::CMesh noFaces = SquareWithSpare();
    noFaces.faces = {0, 1};
    EXPECT_EQ(PrepareGroundMesh(noFaces, out), GroundMeshStatus::kEmpty);

    util::CMesh allBad = SquareWithSpare();
    allBad.faces = {0, 0, 1, 0, 1, 7};
    out = SquareWithSpare();
    EXPECT_EQ(PrepareGroundMesh(allBad, out), GroundMeshStatus::kInvalid);
    EXPECT_TRUE(out.vertices.empty() && out.faces.empty());
}

} // namespace
} // namespace vex::orb::addon
