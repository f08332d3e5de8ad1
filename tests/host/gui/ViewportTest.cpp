#include "host/gui/Viewport.h"

#include "host/gui/HostWindow.h"
#include "host/gui/Outliner.h"
#include "host/gui/OutlinerModel.h"
#include "host/gui/TimeSlider.h"
#include "host/gui/Timeline.h"
#include "host/scene/MeshData.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "tests/host/gui/HostGuiFixture.h"
#include "tests/support/Screenshot.h"

#include <QImage>
#include <QTest>

#include <cstdlib>

using vex::host::gui::Viewport;

namespace {

// A unit cube of six quads, centred on the origin, as the mesh shape `shape`'s geometry.
void GiveCube(const std::string& shape) {
    std::vector<MPoint> points;
    for (int i = 0; i < 8; ++i)
        points.emplace_back(i & 1 ? 0.5 : -0.5, i & 2 ? 0.5 : -0.5, i & 4 ? 0.5 : -0.5);
    const std::vector<int> connects = {0, 2, 3, 1, 4, 5, 7, 6, 0, 1, 5, 4,
                                       2, 6, 7, 3, 0, 4, 6, 2, 1, 3, 7, 5};
    auto mesh = std::make_shared<vex::host::MeshData>();
    ASSERT_TRUE(mesh->set(points, std::vector<int>(6, 4), connects));
    vex::host::Scene& scene = vex::host::Scene::Instance();
    const vex::host::NodePtr node = scene.findNode(shape);
    ASSERT_TRUE(node);
    ASSERT_TRUE(scene.setValue(node, node->FindAttribute("outMesh"), vex::host::DataPtr(mesh)));
}

class ViewportTest : public HostGuiFixture {
protected:
    ViewportTest() {
        // A cube at the origin, seen by a camera 10 units in front of it and 5 up, looking at the origin.
        RunAndSettle("createNode transform -n box; createNode mesh -n boxShape -p box;"
                     "createNode transform -n shot; createNode camera -n shotShape -p shot;"
                     "setAttr shot.t 0 5 10; setAttr shot.rx -26.565051; select -cl");
        GiveCube("boxShape");
        window_.resize(1000, 700);
        window_.show();
        Settle();
    }

    // The viewport's picture; skips the test when this machine has no OpenGL for it (it fails instead
    // where OpenGL is required, as in the project's test runs).
    QImage picture() {
        QImage image = window_.GetViewport().render();
        if (image.isNull()) {
            if (std::getenv("TORVA_REQUIRE_GL") != nullptr) ADD_FAILURE() << "the viewport has no OpenGL";
            return {};
        }
        return image.convertToFormat(QImage::Format_RGB32);
    }

    // Where a world point lands in the viewport, in pixels from the top left.
    QPoint PixelOf(const QVector3D& point) {
        Viewport& view = window_.GetViewport();
        const QVector3D clip = view.ViewProjection().map(point);
        return {static_cast<int>((clip.x() + 1.0f) / 2.0f * view.width()),
                static_cast<int>((1.0f - clip.y()) / 2.0f * view.height())};
    }

    static int CountOf(const QImage& image, QRgb colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
        return count;
    }

    static constexpr QRgb kHighlight = 0xff43ffa3;
    vex::host::gui::HostWindow window_;
};

#define PICTURE_OR_SKIP(image)                                                                               \
    const QImage image = picture();                                                                          \
    if (image.isNull()) GTEST_SKIP() << "no OpenGL on this machine"

TEST_F(ViewportTest, DrawsTheGroundGridAndAMeshWhereTheCameraSeesThem) {
    ASSERT_TRUE(window_.GetViewport().LookThrough(node("shot")));
    EXPECT_EQ(window_.GetViewport().ViewName(), "shot");
    PICTURE_OR_SKIP(image);
    const QRgb background = image.pixel(2, 2);
    // The cube's front face faces the camera almost head on: it is lit nearly fully, unlike the ground.
    const QPoint front = PixelOf({0.0f, 0.0f, 0.5f});
    ASSERT_TRUE(image.rect().contains(front));
    EXPECT_GT(qGray(image.pixel(front)), 150);
    EXPECT_NE(image.pixel(front), background);
    // A grid line at x = 2 crosses the ground in front of the cube; next to it, between two lines, is ground.
    const QPoint onLine = PixelOf({2.0f, 0.0f, 2.5f});
    const QPoint betweenLines = PixelOf({2.5f, 0.0f, 2.5f});
    ASSERT_TRUE(image.rect().contains(onLine));
    bool lineFound = false;
    for (int dx = -1; dx <= 1; ++dx)
        lineFound = lineFound || image.pixel(onLine + QPoint(dx, 0)) != background;
    EXPECT_TRUE(lineFound);
    EXPECT_EQ(image.pixel(betweenLines), background);
    // The cube's frame is a mesh, not a camera: only the scene's other cameras are drawn as frusta.
    EXPECT_EQ(window_.GetViewport().DrawList().TriangleCount(), 12u);
    image.save(QStringLiteral(TORVA_SCREENSHOT_DIR "/viewport_through_shot.png"));
    // The window's picture: the whole scene from the own view, the cube selected, the camera's frustum.
    window_.GetViewport().LookThrough(nullptr);
    RunAndSettle("select -r box");
    window_.GetViewport().GetViewCamera().Tumble(-30.0, 5.0);
    window_.GetViewport().FrameAll();
    EXPECT_TRUE(vex::test::SaveScreenshot(window_, "host_window_viewport"));
}

TEST_F(ViewportTest, SelectionInTheOutlinerIsHighlightedAndAClickSelectsInTheScene) {
    ASSERT_TRUE(window_.GetViewport().LookThrough(node("shot")));
    {
        PICTURE_OR_SKIP(image);
        EXPECT_EQ(CountOf(image, kHighlight), 0);
    }
    vex::host::gui::OutlinerModel& model = window_.GetOutliner().GetOutlinerModel();
    window_.GetOutliner().selectionModel()->select(
        model.IndexOf(node("box")), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Settle();
    ASSERT_EQ(vex::host::Scene::Instance().Selection(), std::vector<vex::host::NodePtr>{node("box")});
    {
        PICTURE_OR_SKIP(image);
        EXPECT_GT(CountOf(image, kHighlight), 20); // the cube's edges
    }
    // A click on empty ground clears the selection; a click on the cube selects it again, undoably.
    Viewport& view = window_.GetViewport();
    QTest::mouseClick(&view, Qt::LeftButton, {}, PixelOf({6.0f, 0.0f, -6.0f}));
    Settle();
    EXPECT_TRUE(vex::host::Scene::Instance().Selection().empty());
    QTest::mouseClick(&view, Qt::LeftButton, {}, PixelOf({0.0f, 0.0f, 0.5f}));
    Settle();
    EXPECT_EQ(vex::host::Scene::Instance().Selection(), std::vector<vex::host::NodePtr>{node("box")});
    EXPECT_TRUE(window_.GetOutliner().selectionModel()->isRowSelected(model.IndexOf(node("box")).row(), {}));
    RunAndSettle("undo");
    EXPECT_TRUE(vex::host::Scene::Instance().Selection().empty());
}

TEST_F(ViewportTest, ScrubbingTheTimelineMovesTheDrawnNode) {
    RunAndSettle(
        "createNode animCurveTL -n box_tx; setAttr -s 2 \".ktv[0:1]\" 1 0 11 3; connectAttr box_tx.output "
        "box.tx;"
        "currentTime 1");
    ASSERT_TRUE(window_.GetViewport().LookThrough(node("shot")));
    const QPoint there = PixelOf({3.0f, 0.0f, 0.5f});
    ASSERT_TRUE(window_.GetViewport().rect().contains(there));
    QRgb before = 0;
    {
        PICTURE_OR_SKIP(image);
        before = image.pixel(there);
    }
    vex::host::gui::TimeSlider& slider = window_.GetTimeline().Slider();
    slider.setFocus();
    for (int i = 0; i < 10; ++i) QTest::keyClick(&slider, Qt::Key_Right);
    Settle();
    EXPECT_DOUBLE_EQ(RunAndSettle("currentTime -q").AsDouble(), 11.0);
    PICTURE_OR_SKIP(image);
    EXPECT_NE(image.pixel(there), before);
    EXPECT_GT(qGray(image.pixel(there)), 150);
}

TEST_F(ViewportTest, NavigationLeavesTheCameraAndFramingShowsTheSelection) {
    Viewport& view = window_.GetViewport();
    ASSERT_TRUE(view.LookThrough(node("shot")));
    EXPECT_FALSE(view.LookThrough(node("box"))); // not a camera
    EXPECT_EQ(view.LookedThrough(), node("shotShape"));
    // Tumbling from a camera's view goes on from its pose in the own view; the camera stays where it is.
    const QPoint middle(view.width() / 2, view.height() / 2);
    QTest::mousePress(&view, Qt::LeftButton, Qt::AltModifier, middle);
    QTest::mouseMove(&view, middle + QPoint(40, 0));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::AltModifier, middle + QPoint(40, 0));
    EXPECT_EQ(view.LookedThrough(), nullptr);
    EXPECT_EQ(view.ViewName(), "persp (free)");
    EXPECT_DOUBLE_EQ(RunAndSettle("getAttr shot.tx").AsDouble(), 0.0);
    // F frames the selected cube: its centre comes to the middle of the view.
    RunAndSettle("setAttr box.t 20 3 -7; select -r box");
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_F);
    const QPoint centre = PixelOf({20.0f, 3.0f, -7.0f});
    EXPECT_NEAR(centre.x(), middle.x(), 2);
    EXPECT_NEAR(centre.y(), middle.y(), 2);
    // Deleting the camera looked through falls back to the own view.
    ASSERT_TRUE(view.LookThrough(node("shot")));
    RunAndSettle("delete shot");
    EXPECT_EQ(view.LookedThrough(), nullptr);
    PICTURE_OR_SKIP(image);
    EXPECT_FALSE(image.isNull());
}

} // namespace
