#include "host/scene/Scene.h"

#include <gtest/gtest.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MPlug.h>

#include <cmath>

namespace {

class Geometry : public ::testing::Test {
protected:
    void SetUp() override { vex::host::Scene::Instance().Reset(); }

    static void set(const MObject& node, const char* plug, double value) {
        ASSERT_TRUE(MFnDependencyNode(node).findPlug(plug).setValue(value));
    }

    // Two unit squares facing +z at z = 0 and z = 2, as four triangles; the mesh's transform answered.
    static MObject TwoSquares(MFnMesh& mesh) {
        const MPoint points[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                 {0, 0, 2}, {1, 0, 2}, {1, 1, 2}, {0, 1, 2}};
        const int connects[] = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
        MStatus status;
        const MObject transform = mesh.create(8, 4, MPointArray(points, 8), MIntArray(4, 3),
                                              MIntArray(connects, 12), MObject::kNullObj, &status);
        EXPECT_TRUE(status);
        return transform;
    }
};

TEST_F(Geometry, MeshCreationAndQueries) {
    MFnMesh mesh;
    const MObject transform = TwoSquares(mesh);
    EXPECT_TRUE(transform.hasFn(MFn::kTransform));
    EXPECT_TRUE(mesh.object().hasFn(MFn::kMesh)); // the function set is on the shape
    EXPECT_EQ(MFnDagNode(mesh.object()).parent(0), transform);

    EXPECT_EQ(mesh.numVertices(), 8);
    EXPECT_EQ(mesh.numPolygons(), 4);
    MIntArray vertices;
    ASSERT_TRUE(mesh.getPolygonVertices(3, vertices));
    EXPECT_EQ(vertices, MIntArray(std::vector<int>{4, 6, 7}.data(), 3));
    EXPECT_EQ(mesh.getPolygonVertices(4, vertices), MStatus::kInvalidParameter);

    set(transform, "ty", 10.0);
    MPoint p;
    ASSERT_TRUE(mesh.getPoint(6, p));
    EXPECT_EQ(p, MPoint(1, 1, 2));
    ASSERT_TRUE(mesh.getPoint(6, p, MSpace::kWorld));
    EXPECT_TRUE(p.isEquivalent(MPoint(1, 11, 2)));

    // Points written in world space land in object space under the moved transform.
    MPointArray world;
    ASSERT_TRUE(mesh.getPoints(world, MSpace::kWorld));
    world[0] = MPoint(-1, 12, 0);
    ASSERT_TRUE(mesh.setPoints(world, MSpace::kWorld));
    ASSERT_TRUE(mesh.getPoint(0, p));
    EXPECT_TRUE(p.isEquivalent(MPoint(-1, 2, 0)));
    MFloatPointArray floats;
    ASSERT_TRUE(mesh.getPoints(floats));
    EXPECT_EQ(floats[6], MFloatPoint(1, 1, 2));
    world.remove(7);
    EXPECT_EQ(mesh.setPoints(world, MSpace::kWorld), MStatus::kInvalidParameter);

    // Bad arrays change nothing.
    const MPoint tri[] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    EXPECT_FALSE(mesh.createInPlace(3, 1, MPointArray(tri, 3), MIntArray(1, 3), MIntArray(3, 7)));
    EXPECT_FALSE(mesh.createInPlace(3, 2, MPointArray(tri, 3), MIntArray(1, 3), MIntArray(3, 0)));
    EXPECT_EQ(mesh.numPolygons(), 4);
    // Replacing the mesh in place.
    const int triangle[] = {0, 1, 2};
    ASSERT_TRUE(mesh.createInPlace(3, 1, MPointArray(tri, 3), MIntArray(1, 3), MIntArray(triangle, 3)));
    EXPECT_EQ(mesh.numPolygons(), 1);
    EXPECT_EQ(MFnMesh(mesh.object()).numVertices(), 3);
}

TEST_F(Geometry, MeshRayIntersectionInWorldSpace) {
    MFnMesh mesh;
    const MObject transform = TwoSquares(mesh);
    set(transform, "tx", 5.0);
    set(transform, "sz", 2.0); // the squares now lie at z = 0 and z = 4

    MFloatPoint hit;
    float param = 0.0f, bary1 = 0.0f, bary2 = 0.0f;
    int face = -1, triangle = -1;
    auto cast = [&](MFloatPoint from, MFloatVector along, float maxParam, bool both = false,
                    const MIntArray* faces = nullptr) {
        return mesh.closestIntersection(from, along, faces, nullptr, false, MSpace::kWorld, maxParam, both,
                                        nullptr, hit, &param, &face, &triangle, &bary1, &bary2);
    };

    // Hit: the nearer of the two squares, with the parameter in units of the direction.
    ASSERT_TRUE(cast({5.5f, 0.5f, 10.0f}, {0, 0, -2}, 100.0f));
    EXPECT_NEAR(hit.z, 4.0f, 1e-5f);
    EXPECT_NEAR(hit.x, 5.5f, 1e-5f);
    EXPECT_NEAR(param, 3.0f, 1e-5f);
    EXPECT_GE(face, 2);
    ASSERT_TRUE(cast({5.5f, 0.5f, 3.0f}, {0, 0, -1}, 100.0f));
    EXPECT_NEAR(hit.z, 0.0f, 1e-5f);
    EXPECT_LT(face, 2);
    // Only the faces asked for.
    const MIntArray lower(std::vector<int>{0, 1}.data(), 2);
    ASSERT_TRUE(cast({5.5f, 0.5f, 10.0f}, {0, 0, -1}, 100.0f, false, &lower));
    EXPECT_NEAR(hit.z, 0.0f, 1e-5f);

    // Misses: beside the mesh in world space (it was moved), beyond maxParam, behind the source.
    EXPECT_FALSE(cast({0.5f, 0.5f, 10.0f}, {0, 0, -1}, 100.0f));
    EXPECT_FALSE(cast({5.5f, 0.5f, 10.0f}, {0, 0, -1}, 5.0f));
    EXPECT_FALSE(cast({5.5f, 0.5f, 10.0f}, {0, 0, 1}, 100.0f));
    EXPECT_TRUE(cast({5.5f, 0.5f, 10.0f}, {0, 0, 1}, 100.0f, true));
    EXPECT_NEAR(param, -6.0f, 1e-5f);

    // The normal at the nearest point follows the transform's rotation.
    set(transform, "rx", M_PI / 2); // +z turns to -y
    MVector normal;
    int polygon = -1;
    ASSERT_TRUE(mesh.getClosestNormal(MPoint(5.5, -10, 0.5), normal, MSpace::kWorld, &polygon));
    EXPECT_TRUE(normal.isEquivalent(MVector(0, -1, 0), 1e-9));
    EXPECT_GE(polygon, 2);
}

TEST_F(Geometry, MeshDataCarriesGeometryBetweenShapes) {
    MFnMeshData dataFn;
    const MObject data = dataFn.create();
    const MPoint quad[] = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}};
    const int connects[] = {0, 1, 2, 3};
    MFnMesh fill;
    MStatus status;
    EXPECT_EQ(fill.create(4, 1, MPointArray(quad, 4), MIntArray(1, 4), MIntArray(connects, 4), data, &status),
              data);
    ASSERT_TRUE(status);

    MFnMesh target;
    TwoSquares(target);
    ASSERT_TRUE(MFnDependencyNode(target.object()).findPlug("outMesh").setValue(data));
    EXPECT_EQ(target.numPolygons(), 1);
    EXPECT_EQ(target.polygonVertexCount(0), 4);
    MVector normal;
    ASSERT_TRUE(target.getPolygonNormal(0, normal));
    EXPECT_TRUE(normal.isEquivalent(MVector(0, -1, 0), 1e-12)); // winding x then z faces down
}

TEST_F(Geometry, CurveLengthPointAndTangentAlongItsLength) {
    const MPoint cvs[] = {{0, 0, 0}, {3, 0, 0}, {3, 4, 0}};
    const double knots[] = {0, 1, 2};
    MFnNurbsCurve curve;
    MStatus status;
    const MObject transform = curve.create(MPointArray(cvs, 3), MDoubleArray(knots, 3), 1,
                                           MFnNurbsCurve::kOpen, false, false, MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    set(transform, "tz", -1.0);
    EXPECT_EQ(curve.numCVs(), 3);
    EXPECT_DOUBLE_EQ(curve.length(), 7.0);

    const double param = curve.findParamFromLength(5.0);
    EXPECT_DOUBLE_EQ(param, 1.5);
    EXPECT_DOUBLE_EQ(curve.findLengthFromParam(param), 5.0);
    MPoint p;
    ASSERT_TRUE(curve.getPointAtParam(param, p, MSpace::kWorld));
    EXPECT_TRUE(p.isEquivalent(MPoint(3, 2, -1), 1e-12));
    EXPECT_TRUE(curve.tangent(curve.findParamFromLength(1.0)).isEquivalent(MVector(1, 0, 0), 1e-12));
    EXPECT_TRUE(curve.tangent(param).isEquivalent(MVector(0, 1, 0), 1e-12));

    // Knots that do not fit the points are refused.
    MFnNurbsCurve bad;
    bad.create(MPointArray(cvs, 3), MDoubleArray(knots, 2), 1, MFnNurbsCurve::kOpen, false, false,
               MObject::kNullObj, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST_F(Geometry, SurfaceIntersectionAndNormal) {
    // A bilinear patch at y = 1 over x, z in [0, 4], under a transform moved up by 2.
    const MPoint cvs[] = {{0, 1, 0}, {0, 1, 4}, {4, 1, 0}, {4, 1, 4}};
    const double knots[] = {0, 1};
    MFnNurbsSurface surface;
    MStatus status;
    const MObject transform =
        surface.create(MPointArray(cvs, 4), MDoubleArray(knots, 2), MDoubleArray(knots, 2), 1, 1,
                       MFnNurbsSurface::kOpen, MFnNurbsSurface::kOpen, false, MObject::kNullObj, &status);
    ASSERT_TRUE(status);
    EXPECT_EQ(surface.numCVsInU(), 2);
    set(transform, "ty", 2.0);

    double u = 0, v = 0, distance = 0;
    MPoint point;
    ASSERT_TRUE(surface.intersect(MPoint(1, 10, 3), MVector(0, -1, 0), u, v, point, kMFnNurbsEpsilon,
                                  MSpace::kWorld, true, &distance));
    EXPECT_TRUE(point.isEquivalent(MPoint(1, 3, 3), 1e-9));
    EXPECT_NEAR(distance, 7.0, 1e-9);
    EXPECT_NEAR(u, 0.25, 1e-9);
    EXPECT_NEAR(v, 0.75, 1e-9);
    EXPECT_TRUE(surface.normal(u, v, MSpace::kWorld).isParallel(MVector(0, 1, 0), 1e-9));
    // In object space the ray meets the patch where it lies before the move.
    ASSERT_TRUE(surface.intersect(MPoint(1, 10, 3), MVector(0, -1, 0), u, v, point));
    EXPECT_TRUE(point.isEquivalent(MPoint(1, 1, 3), 1e-9));
    EXPECT_FALSE(surface.intersect(MPoint(5, 10, 3), MVector(0, -1, 0), u, v, point, kMFnNurbsEpsilon,
                                   MSpace::kWorld));
}

} // namespace
