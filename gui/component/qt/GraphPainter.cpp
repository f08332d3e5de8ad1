#include "gui/component/qt/GraphPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace vex::gui::component::qt {

namespace {

// Fraction of the way from `from` to `to` at which `value` lies; the middle when they coincide.
double Fraction(double from, double to, double value) {
    return to != from ? (value - from) / (to - from) : 0.5;
}

constexpr int kGridLines = 4;

} // namespace

QPointF GraphPainter::Map(const Graph::Boundaries& boundaries, const QRectF& area,
                          const Graph::Point& point) {
    return {area.left() + Fraction(boundaries.left, boundaries.right, point.x) * area.width(),
            area.top() + Fraction(boundaries.top, boundaries.bottom, point.y) * area.height()};
}

void GraphPainter::Paint(QPainter& painter, const QRectF& area, const Graph::Boundaries& boundaries,
                         const std::vector<Graph::Curve>& curves) {
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, QColor(255, 255, 255));
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.setPen(QPen(QColor(225, 225, 225), 1.0));
    for (int i = 1; i < kGridLines; ++i) {
        const double x = area.left() + area.width() * i / kGridLines;
        const double y = area.top() + area.height() * i / kGridLines;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    // The axes through the origin, where the origin's coordinate lies within the boundaries.
    const QPointF origin = Map(boundaries, area, {0.0, 0.0});
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    if (origin.x() >= area.left() && origin.x() <= area.right())
        painter.drawLine(QPointF(origin.x(), area.top()), QPointF(origin.x(), area.bottom()));
    if (origin.y() >= area.top() && origin.y() <= area.bottom())
        painter.drawLine(QPointF(area.left(), origin.y()), QPointF(area.right(), origin.y()));

    for (const Graph::Curve& curve : curves) {
        if (curve.points.empty()) continue;
        QPainterPath path(Map(boundaries, area, curve.points.front()));
        for (std::size_t i = 1; i < curve.points.size(); ++i)
            path.lineTo(Map(boundaries, area, curve.points[i]));
        painter.setPen(QPen(QColor::fromRgb(curve.rgb), 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.restore();
}

} // namespace vex::gui::component::qt
