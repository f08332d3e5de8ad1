#include "host/scene/CurveData.h"
#include "host/scene/MeshData.h"
#include "host/scene/SurfaceData.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vex::host {
namespace {

// Two unit squares facing +z, at z = 0 and z = 2, each of two triangles.
std::shared_ptr<MeshData> TwoSquares() {
    return MeshData::FromTriangles(
        {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 2}, {1, 0, 2}, {1, 1, 2}, {0, 1, 2}},
        {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7});
}

TEST(MeshData, RejectsInconsistentPolygons) {
    MeshData mesh;
    EXPECT_FALSE(mesh.set({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {3}, {0, 1, 5}));        // index out of range
    EXPECT_FALSE(mesh.set({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {4}, {0, 1, 2}));        // counts do not add up
    EXPECT_FALSE(mesh.set({{0, 0, 0}, {1, 0, 0}}, {2}, {0, 1}));                      // not a polygon
    EXPECT_FALSE(MeshData::FromTriangles({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1})); // not triples
    EXPECT_EQ(mesh.numPolygons(), 0);
}

TEST(MeshData, RayHitsTheNearestTriangleWithinReach) {
    const auto mesh = TwoSquares();
    ASSERT_TRUE(mesh);

    // From above, downwards: the upper square is nearer.
    auto hit = mesh->closestIntersection(MPoint(0.25, 0.5, 5), MVector(0, 0, -2), 100.0);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->param, 1.5, 1e-12); // in units of the direction's length
    EXPECT_TRUE(hit->point.isEquivalent(MPoint(0.25, 0.5, 2), 1e-12));
    EXPECT_GE(hit->polygon, 2);

    // From between them upwards and downwards.
    hit = mesh->closestIntersection(MPoint(0.7, 0.2, 0.5), MVector(0, 0, -1), 100.0);
    ASSERT_TRUE(hit);
    EXPECT_LT(hit->polygon, 2);
    EXPECT_NEAR(hit->point.z, 0.0, 1e-12);

    // Only the polygons of the mask: the lower square through the upper one.
    const std::vector<bool> lowerOnly{true, true, false, false};
    hit = mesh->closestIntersection(MPoint(0.25, 0.5, 5), MVector(0, 0, -1), 100.0, false, &lowerOnly);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->point.z, 0.0, 1e-12);

    // Misses: beside the squares, parallel to them, pointing away, and out of reach.
    EXPECT_FALSE(mesh->closestIntersection(MPoint(1.5, 0.5, 5), MVector(0, 0, -1), 100.0));
    EXPECT_FALSE(mesh->closestIntersection(MPoint(-1, 0.5, 1), MVector(1, 0, 0), 100.0));
    EXPECT_FALSE(mesh->closestIntersection(MPoint(0.5, 0.5, 5), MVector(0, 0, 1), 100.0));
    EXPECT_FALSE(mesh->closestIntersection(MPoint(0.5, 0.5, 5), MVector(0, 0, -1), 2.9));
    // Backwards hits count only when asked for, the nearer one first.
    hit = mesh->closestIntersection(MPoint(0.5, 0.5, 1.5), MVector(0, 0, 1), 100.0, true);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->param, 0.5, 1e-12);
    hit = mesh->closestIntersection(MPoint(0.5, 0.5, 5), MVector(0, 0, 1), 100.0, true);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->param, -3.0, 1e-12);

    // Barycentric weights locate the hit on its triangle.
    hit = mesh->closestIntersection(MPoint(0.9, 0.1, 1), MVector(0, 0, -1), 10.0);
    ASSERT_TRUE(hit);
    const auto v = mesh->PolygonVertices(hit->polygon);
    const MPoint& a = mesh->Points()[v[0]];
    const MPoint on = a + (mesh->Points()[v[1]] - a) * hit->bary1 + (mesh->Points()[v[2]] - a) * hit->bary2;
    EXPECT_TRUE(on.isEquivalent(hit->point, 1e-12));
}

TEST(MeshData, NormalsClosestPointsAndTriangulation) {
    MeshData quad;
    ASSERT_TRUE(quad.set({{0, 0, 0}, {2, 0, 0}, {2, 0, -2}, {0, 0, -2}}, {4}, {0, 1, 2, 3}));
    EXPECT_TRUE(quad.PolygonNormal(0).isEquivalent(MVector(0, 1, 0), 1e-12));

    const auto closest = quad.ClosestPoint(MPoint(3, 5, -1));
    ASSERT_TRUE(closest);
    EXPECT_TRUE(closest->first.isEquivalent(MPoint(2, 0, -1), 1e-12));
    EXPECT_EQ(closest->second, 0);

    const auto triangles = quad.Triangulated();
    ASSERT_TRUE(triangles);
    EXPECT_EQ(triangles->numPolygons(), 2);
    EXPECT_EQ(triangles->PolygonVertices(1), (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(triangles->PolygonNormal(1).isEquivalent(MVector(0, 1, 0), 1e-12));
}

TEST(CurveData, PolylineLengthPointAndTangentAtALength) {
    const auto curve = CurveData::Polyline({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}});
    ASSERT_TRUE(curve);
    EXPECT_DOUBLE_EQ(curve->length(), 7.0);
    EXPECT_TRUE(curve->PointAt(curve->ParamAtLength(1.5)).isEquivalent(MPoint(1.5, 0, 0), 1e-12));
    EXPECT_TRUE(curve->PointAt(curve->ParamAtLength(5.0)).isEquivalent(MPoint(3, 2, 0), 1e-12));
    EXPECT_TRUE(curve->TangentAt(curve->ParamAtLength(1.0)).isEquivalent(MVector(1, 0, 0), 1e-12));
    EXPECT_TRUE(curve->TangentAt(curve->ParamAtLength(6.0)).isEquivalent(MVector(0, 1, 0), 1e-12));
    // Lengths past either end clamp to the ends.
    EXPECT_TRUE(curve->PointAt(curve->ParamAtLength(-1.0)).isEquivalent(MPoint(0, 0, 0)));
    EXPECT_TRUE(curve->PointAt(curve->ParamAtLength(70.0)).isEquivalent(MPoint(3, 4, 0)));
    EXPECT_DOUBLE_EQ(curve->LengthAtParam(1.5), 5.0);
}

TEST(CurveData, CubicSplineInterpolatesItsEndsAndMeasuresArcs) {
    // Collinear control points make a straight cubic: its length is the distance between its ends.
    const auto straight = CurveData::Bspline({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {5, 0, 0}, {6, 0, 0}}, 3);
    ASSERT_TRUE(straight);
    EXPECT_EQ(straight->Knots().size(), 7u);
    double start, end;
    straight->Domain(start, end);
    EXPECT_TRUE(straight->PointAt(start).isEquivalent(MPoint(0, 0, 0), 1e-12));
    EXPECT_TRUE(straight->PointAt(end).isEquivalent(MPoint(6, 0, 0), 1e-12));
    EXPECT_NEAR(straight->length(), 6.0, 1e-9);
    EXPECT_NEAR(straight->PointAt(straight->ParamAtLength(2.5)).x, 2.5, 1e-3);

    // A quadratic Bezier arc (knots 0 0 1 1): length against the closed form.
    CurveData arc;
    ASSERT_TRUE(arc.set({{0, 0, 0}, {1, 2, 0}, {2, 0, 0}}, {0, 0, 1, 1}, 2));
    const double closedForm = std::sqrt(5.0) + std::asinh(2.0) / 2.0;
    EXPECT_NEAR(arc.length(), closedForm, 1e-4);
    // The tangent at the middle of the arc is horizontal; at the start it points at the middle point.
    EXPECT_TRUE(arc.TangentAt(0.5).isEquivalent(MVector(1, 0, 0), 1e-12));
    EXPECT_TRUE(arc.TangentAt(0.0).isEquivalent(MVector(1, 2, 0).normal(), 1e-12));
    EXPECT_FALSE(arc.set({{0, 0, 0}, {1, 2, 0}}, {0, 0, 1, 1}, 2)); // too few points for the degree
}

TEST(CurveData, LengthsAndParametersInvertEachOtherOnUnevenSpans) {
    // A cubic of five spans with uneven knots, curling in 3D.
    CurveData curve;
    ASSERT_TRUE(curve.set(
        {{0, 0, 0}, {1, 3, 0}, {4, 3, 1}, {5, -1, 2}, {8, 0, 0}, {9, 4, -3}, {12, 4, 0}, {13, 0, 0}},
        {0, 0, 0, 0.5, 2, 2.2, 4, 5, 5, 5}, 3));
    const double total = curve.length();
    EXPECT_GT(total, MPoint(0, 0, 0).distanceTo(MPoint(13, 0, 0)));
    double previous = -1.0;
    for (double l = 0.0; l <= total; l += total / 37) {
        const double u = curve.ParamAtLength(l);
        EXPECT_GT(u, previous); // the parameter grows with the length
        previous = u;
        EXPECT_NEAR(curve.LengthAtParam(u), l, 1e-9 * total);
    }
    // The measured length agrees with a fine chord sum.
    double chords = 0.0;
    for (int i = 0; i < 20000; ++i)
        chords += curve.PointAt(5.0 * i / 20000).distanceTo(curve.PointAt(5.0 * (i + 1) / 20000));
    EXPECT_NEAR(total, chords, 1e-6 * total);
}

TEST(SurfaceData, RayHitsAndNormals) {
    // A flat bilinear patch at y = 1 over x, z in [0, 4].
    const auto plane = SurfaceData::Uniform({{0, 1, 0}, {0, 1, 4}, {4, 1, 0}, {4, 1, 4}}, 2, 2, 1, 1);
    ASSERT_TRUE(plane);
    auto hit = plane->intersect(MPoint(1, 10, 3), MVector(0, -1, 0));
    ASSERT_TRUE(hit);
    EXPECT_TRUE(hit->point.isEquivalent(MPoint(1, 1, 3), 1e-12));
    EXPECT_NEAR(hit->u, 0.25, 1e-12);
    EXPECT_NEAR(hit->v, 0.75, 1e-12);
    EXPECT_TRUE(plane->NormalAt(hit->u, hit->v).isParallel(MVector(0, 1, 0), 1e-9));
    EXPECT_FALSE(plane->intersect(MPoint(5, 10, 3), MVector(0, -1, 0)));
    EXPECT_FALSE(plane->intersect(MPoint(1, 10, 3), MVector(0, 1, 0)));

    // A curved quadratic bump: the hit lies both on the ray and on the surface.
    std::vector<MPoint> grid;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) grid.emplace_back(i * 2.0, (i == 1 && j == 1) ? 3.0 : 0.0, j * 2.0);
    const auto bump = SurfaceData::Uniform(grid, 3, 3, 2, 2);
    ASSERT_TRUE(bump);
    hit = bump->intersect(MPoint(1.3, 10, 2.6), MVector(0, -1, 0));
    ASSERT_TRUE(hit);
    EXPECT_NEAR(hit->point.x, 1.3, 1e-9);
    EXPECT_NEAR(hit->point.z, 2.6, 1e-9);
    EXPECT_TRUE(bump->PointAt(hit->u, hit->v).isEquivalent(hit->point, 1e-9));
    // At the top of the bump the normal points up.
    EXPECT_TRUE(bump->NormalAt(0.5, 0.5).isParallel(MVector(0, 1, 0), 1e-9));
}

TEST(SurfaceData, HitsOnAMultiSpanSurfaceLieOnItAndOnTheRay) {
    // A wavy degree-2 surface of 5 x 4 points, rays from above and at a slant.
    std::vector<MPoint> grid;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) grid.emplace_back(i, std::sin(i * 1.3) * std::cos(j * 0.9), j);
    const auto wave = SurfaceData::Uniform(grid, 5, 4, 2, 2);
    ASSERT_TRUE(wave);
    int hits = 0;
    for (double x = 0.3; x < 4.0; x += 0.61)
        for (double z = 0.2; z < 3.0; z += 0.53) {
            const MPoint from(x, 5, z);
            const MVector along(0.1, -1, 0.05);
            const auto hit = wave->intersect(from, along);
            if (!hit) continue;
            ++hits;
            EXPECT_TRUE(wave->PointAt(hit->u, hit->v).isEquivalent(hit->point, 1e-8)) << x << " " << z;
            EXPECT_TRUE((from + along * hit->param).isEquivalent(hit->point, 1e-12));
            EXPECT_GT(hit->param, 0.0);
        }
    EXPECT_GT(hits, 20);
}

} // namespace
} // namespace vex::host
