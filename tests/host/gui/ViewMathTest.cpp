#include "host/gui/CameraLens.h"
#include "host/gui/MeshArrays.h"
#include "host/gui/ViewCamera.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using vex::host::gui::CameraLens;
using vex::host::gui::ViewCamera;

namespace {

// Whether a world point lands inside the view of the given aspect.
bool InView(const ViewCamera& camera, const QVector3D& point, double aspect) {
    const QVector3D clip = (camera.ProjectionMatrix(aspect) * camera.ViewMatrix()).map(point);
    return std::abs(clip.x()) <= 1.0f && std::abs(clip.y()) <= 1.0f && std::abs(clip.z()) <= 1.0f;
}

TEST(ViewCameraTest, TumbleAndDollyKeepTheCentreAndFrameFitsTheBox) {
    ViewCamera camera;
    EXPECT_NEAR(camera.Eye().x(), 28.0f, 1e-3f);
    EXPECT_NEAR(camera.Eye().y(), 21.0f, 1e-3f);
    const double distance = camera.Distance();
    camera.Tumble(90.0, 0.0);
    EXPECT_NEAR((camera.Eye() - camera.Centre()).length(), distance, 1e-3);
    EXPECT_NEAR(camera.Eye().x(), 28.0f, 1e-3f); // a quarter turn about Y takes +Z to +X
    EXPECT_NEAR(camera.Eye().z(), -28.0f, 1e-3f);
    // Pitch stops short of the pole, so the view never turns over.
    camera.Tumble(0.0, 500.0);
    EXPECT_GT(camera.Eye().y() - camera.Centre().y(), 0.99f * static_cast<float>(distance));
    EXPECT_TRUE(camera.ViewMatrix().isAffine());
    camera.Dolly(0.5);
    EXPECT_NEAR(camera.Distance(), distance / 2.0, 1e-9);
    camera.Dolly(0.0); // ignored, as is a factor that is not a number
    camera.Dolly(std::nan(""));
    EXPECT_NEAR(camera.Distance(), distance / 2.0, 1e-9);

    const QVector3D low(90, -3, 40), high(110, 5, 44);
    for (const double aspect : {0.5, 2.0}) { // a tall and a wide view
        camera.frame(low, high, aspect);
        EXPECT_EQ(camera.Centre(), (low + high) / 2.0f);
        for (int corner = 0; corner < 8; ++corner) {
            const QVector3D point(corner & 1 ? high.x() : low.x(), corner & 2 ? high.y() : low.y(),
                                  corner & 4 ? high.z() : low.z());
            EXPECT_TRUE(InView(camera, point, aspect)) << corner << " at " << aspect;
        }
    }
}

TEST(ViewCameraTest, TrackMovesTheSceneWithTheMouseAndSetPoseKeepsTheEye) {
    ViewCamera camera;
    camera.SetPose({0, 0, 10}, {0, 0, -1});
    EXPECT_NEAR(camera.Eye().z(), 10.0f, 1e-3f);
    EXPECT_NEAR(camera.Eye().x(), 0.0f, 1e-4f);
    const QVector3D before = camera.Centre();
    camera.Track(0.5, 0.0); // half a view height to the right
    const double height = 2.0 * camera.Distance() * std::tan(camera.FieldOfView() / 2.0 * M_PI / 180.0);
    EXPECT_NEAR(camera.Centre().x() - before.x(), height / 2.0, 1e-3);
    EXPECT_NEAR(camera.Centre().y(), before.y(), 1e-4);
}

TEST(CameraLensTest, TheFilmGateFillsTheViewOnItsNarrowerSide) {
    CameraLens lens; // 35 mm on a 1.417 x 0.945 inch film back
    const double horizontal = 1.41732 * 25.4 / 2.0 / 35.0;
    auto [x, y] = lens.HalfAngleTangents(2.0); // wider than the film: the width fits
    EXPECT_NEAR(x, horizontal, 1e-9);
    EXPECT_NEAR(y, horizontal / 2.0, 1e-9);
    std::tie(x, y) = lens.HalfAngleTangents(1.0); // narrower: the height fits
    EXPECT_NEAR(y, 0.94488 * 25.4 / 2.0 / 35.0, 1e-9);
    EXPECT_NEAR(x, y, 1e-9);
    // A point on the edge of the gate lands on the edge of the picture.
    const QVector3D edge =
        lens.ProjectionMatrix(2.0).map(QVector3D(static_cast<float>(horizontal) * 10, 0, -10));
    EXPECT_NEAR(edge.x(), 1.0f, 1e-5f);
    lens.orthographic = true;
    const QVector3D side = lens.ProjectionMatrix(2.0).map(QVector3D(5, 2.5, -10));
    EXPECT_NEAR(side.x(), 1.0f, 1e-5f);
    EXPECT_NEAR(side.y(), 1.0f, 1e-5f);
}

TEST(MeshArraysTest, PolygonsBecomeFansWithTheirOwnNormalsAndEdges) {
    vex::host::MeshData mesh; // a unit quad on the ground and a triangle standing on its edge
    ASSERT_TRUE(
        mesh.set({{0, 0, 0}, {1, 0, 0}, {1, 0, -1}, {0, 0, -1}, {0, 1, 0}}, {4, 3}, {0, 1, 2, 3, 0, 1, 4}));
    const auto arrays = vex::host::gui::MeshArrays::Build(mesh);
    ASSERT_EQ(arrays.vertices.size(), 7u * vex::host::gui::MeshArrays::kStride);
    EXPECT_EQ(arrays.triangles, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 4, 5, 6}));
    EXPECT_EQ(arrays.edges, (std::vector<std::uint32_t>{0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 4}));
    EXPECT_FLOAT_EQ(arrays.vertices[4], 1.0f);         // the quad faces up
    EXPECT_FLOAT_EQ(arrays.vertices[4 * 6 + 5], 1.0f); // the triangle faces +Z
}

} // namespace
