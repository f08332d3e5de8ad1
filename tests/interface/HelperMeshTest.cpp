#include "interface/CMesh_Box.h"
#include "interface/CMesh_Cylinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using vex::util::CMesh_Box;
using vex::util::CMesh_Cylinder;
using V = vex::util::Vector3<double>;

TEST(HelperMesh, BoxHasItsCornersInOrderAndTwelveTriangles) {
    const CMesh_Box box(1, 1, 1);
    const double h = 0.5;
    EXPECT_EQ(box.vertices, (std::vector<V>{{-h, -h, -h},
                                            {h, -h, -h},
                                            {-h, h, -h},
                                            {h, h, -h},
                                            {-h, -h, h},
                                            {h, -h, h},
                                            {-h, h, h},
                                            {h, h, h}}));
    EXPECT_EQ(box.faces, (std::vector<int32_t>{0, 2, 3, 3, 1, 0, 4, 5, 7, 7, 6, 4, 0, 1, 5, 5, 4, 0,
                                               1, 3, 7, 7, 5, 1, 3, 2, 6, 6, 7, 3, 2, 0, 4, 4, 6, 2}));
    EXPECT_EQ(box.texFaces, std::vector<int32_t>(36, 0));
    EXPECT_TRUE(box.texCoords.empty());
    // Each side length goes to its own axis.
    EXPECT_EQ(CMesh_Box(1, 2, 4).vertices[6], (V{-0.5, 1, 2}));
}

TEST(HelperMesh, CylinderHasRimsCentresAndAClosedOutwardSurface) {
    const CMesh_Cylinder cylinder(4, 1, 2);
    ASSERT_EQ(cylinder.vertices.size(), 10u);
    EXPECT_EQ(cylinder.vertices[8], (V{0, 0, 1}));
    EXPECT_EQ(cylinder.vertices[9], (V{0, 0, -1}));
    ASSERT_EQ(cylinder.faces.size(), 48u);
    EXPECT_TRUE(std::all_of(cylinder.faces.begin(), cylinder.faces.end(),
                            [](int32_t i) { return i >= 0 && i < 10; }));
    EXPECT_EQ(cylinder.texFaces, cylinder.faces);

    // The angle step uses 6.28318, so vertex 1 of four is not exactly on the y axis.
    const double a = 6.28318 / 4;
    EXPECT_EQ(cylinder.vertices[1], (V{std::cos(a), std::sin(a), 1}));
    EXPECT_EQ(cylinder.vertices[5], (V{std::cos(a), std::sin(a), -1}));
    const V& v = cylinder.vertices[6];
    EXPECT_EQ(cylinder.texCoords.at(6), (V{v.x + std::cos(0.1 * v.z), v.y + std::sin(0.1 * v.z), v.z}));

    // Consistent winding around a closed surface makes the triangles' area vectors cancel; outward
    // winding makes each one point away from the axis (or along it, on the caps).
    V sum;
    for (size_t t = 0; t < 48; t += 3) {
        const V& p = cylinder.vertices[cylinder.faces[t]];
        const V b = cylinder.vertices[cylinder.faces[t + 1]] - p;
        const V c = cylinder.vertices[cylinder.faces[t + 2]] - p;
        const V n{b.y * c.z - b.z * c.y, b.z * c.x - b.x * c.z, b.x * c.y - b.y * c.x};
        const V centre =
            (p + cylinder.vertices[cylinder.faces[t + 1]] + cylinder.vertices[cylinder.faces[t + 2]]) / 3.0;
        EXPECT_GT(n.x * centre.x + n.y * centre.y + n.z * centre.z, 0) << "triangle " << t / 3;
        sum += n;
    }
    EXPECT_NEAR(std::abs(sum.x) + std::abs(sum.y) + std::abs(sum.z), 0, 1e-9);
}

} // namespace
