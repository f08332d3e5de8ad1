#pragma once

#include "gui/componentinterface/Graph.h"

#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

namespace vex::gui::component::qt {

/// Draws a graph's curves into a widget rectangle: the boundaries' data rectangle fills the area
/// (left boundary at its left edge, top boundary at its top edge), with a light grid and the axes
/// through zero where they lie inside.
class GraphPainter {
public:
    using Graph = componentinterface::Graph;

    /// Where the data point `point` lies in `area`. Degenerate boundaries (left == right or
    /// top == bottom) put every point on the area's centre line in that direction.
    static QPointF Map(const Graph::Boundaries& boundaries, const QRectF& area, const Graph::Point& point);
    /// Paints the background, grid, axes and every curve in order, clipped to `area`.
    static void Paint(QPainter& painter, const QRectF& area, const Graph::Boundaries& boundaries,
                      const std::vector<Graph::Curve>& curves);
};

} // namespace vex::gui::component::qt
