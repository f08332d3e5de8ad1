#include "gui/component/qt/Graph.h"

#include "tests/gui/GuiTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace vex::gui::component::qt {
namespace {

TEST(Graph, BoundariesAndCurvesAreReadFromTheLayoutAndPainted) {
    const auto root =
        gui::test::BuildLayout(R"(<graph width="200" height="100" boundary_left="-1" boundary_right="1.5e0"
        boundary_top="2" boundary_bottom="x">
      <curve r="255" g="0" b="0"><point x="-1" y="1"/><point x="1.5" y="1"/></curve>
      <curve><point x="0.25"/></curve>
    </graph>)");
    auto* graph = dynamic_cast<Graph*>(root.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->GetBoundaries().left, -1.0);
    EXPECT_EQ(graph->GetBoundaries().right, 1.5);
    EXPECT_EQ(graph->GetBoundaries().top, 2.0);
    EXPECT_EQ(graph->GetBoundaries().bottom, 0.0); // malformed: the default
    ASSERT_EQ(graph->GetCurves().size(), 2u);
    EXPECT_EQ(graph->GetCurves()[0].rgb, 0xFF0000u);
    ASSERT_EQ(graph->GetCurves()[1].points.size(), 1u);
    EXPECT_EQ(graph->GetCurves()[1].points[0].x, 0.25);
    EXPECT_EQ(graph->GetCurves()[1].points[0].y, 0.0);

    graph->resize(200, 100);
    QImage image = graph->grab().toImage();
    // y = 1 lies half-way between top 2 and bottom 0: the red line crosses the middle row.
    EXPECT_GT(image.pixelColor(100, 50).red(), 200);
    EXPECT_LT(image.pixelColor(100, 50).green(), 80);
    EXPECT_GT(image.pixelColor(100, 20).green(), 200);

    // New boundaries move the line: y = 1 now lies a quarter of the way down.
    graph->SetBoundaries({-1.0, 1.5, 1.5, -0.5});
    image = graph->grab().toImage();
    EXPECT_GT(image.pixelColor(100, 50).green(), 200);
    EXPECT_GT(image.pixelColor(100, 25).red(), 200);
    EXPECT_LT(image.pixelColor(100, 25).green(), 80);
}

TEST(Graph, NumbersAreReadInTheCLocaleForm) {
    EXPECT_EQ(component::Graph::ParseNumber("-2.5", 0.0), -2.5);
    EXPECT_EQ(component::Graph::ParseNumber("+3", 0.0), 3.0);
    EXPECT_EQ(component::Graph::ParseNumber("2,5", 7.0), 7.0);
    EXPECT_EQ(component::Graph::ParseNumber("", 7.0), 7.0);
    EXPECT_EQ(component::Graph::ParseNumber("1.5x", 7.0), 7.0);
}

} // namespace
} // namespace vex::gui::component::qt
