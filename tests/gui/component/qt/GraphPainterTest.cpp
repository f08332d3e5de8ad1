#include "gui/component/qt/GraphPainter.h"

#include "tests/gui/GuiTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace vex::gui::component::qt {
namespace {

using Graph = componentinterface::Graph;

TEST(GraphPainter, BoundariesMapToTheWidgetsEdges) {
    const QRectF area(10, 20, 200, 100);
    const Graph::Boundaries b{-1.0, 1.0, 2.0, 0.0}; // left, right, top, bottom
    EXPECT_EQ(GraphPainter::Map(b, area, {-1.0, 2.0}), QPointF(10, 20));
    EXPECT_EQ(GraphPainter::Map(b, area, {1.0, 0.0}), QPointF(210, 120));
    EXPECT_EQ(GraphPainter::Map(b, area, {0.0, 1.0}), QPointF(110, 70));
    // Reversed boundaries mirror the plot; points outside map outside the area.
    const Graph::Boundaries mirrored{1.0, -1.0, 0.0, 2.0};
    EXPECT_EQ(GraphPainter::Map(mirrored, area, {-1.0, 2.0}), QPointF(210, 120));
    EXPECT_EQ(GraphPainter::Map(b, area, {3.0, -2.0}), QPointF(410, 220));
    // An empty range shows its points in the middle instead of dividing by zero.
    const Graph::Boundaries flat{5.0, 5.0, 1.0, 1.0};
    EXPECT_EQ(GraphPainter::Map(flat, area, {7.0, 9.0}), QPointF(110, 70));
}

TEST(GraphPainter, CurvesAreDrawnWhereTheirPointsMap) {
    gui::test::App();
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    // A horizontal red line at y = 0.5 across the data range 0..1.
    GraphPainter::Paint(painter, QRectF(10, 10, 100, 60), {0.0, 1.0, 1.0, 0.0},
                        {Graph::Curve{{{0.0, 0.5}, {1.0, 0.5}}, 0xFF0000}});
    painter.end();
    const QColor onLine = image.pixelColor(60, 40);
    EXPECT_GT(onLine.red(), 200);
    EXPECT_LT(onLine.green(), 60);
    EXPECT_EQ(image.pixelColor(50, 20), QColor(255, 255, 255)); // plot background, off the grid
    EXPECT_EQ(image.pixelColor(5, 40), QColor(Qt::black));      // outside the area: untouched
}

} // namespace
} // namespace vex::gui::component::qt
