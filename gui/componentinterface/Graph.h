#pragma once

#include <cstdint>
#include <vector>

namespace vex::gui::componentinterface {

/// A plot of curves: each curve is a polyline of points in data coordinates, and four boundaries
/// say which data rectangle the widget shows (left/right: x at the widget's left and right edges,
/// top/bottom: y at its top and bottom edges).
class Graph {
public:
    /// A point in data coordinates.
    struct Point {
        double x = 0.0;
        double y = 0.0;
    };
    /// A polyline and its colour (0xRRGGBB).
    struct Curve {
        std::vector<Point> points;
        uint32_t rgb = 0x2060D0;
    };
    /// The data rectangle shown.
    struct Boundaries {
        double left = 0.0;
        double right = 1.0;
        double top = 1.0;
        double bottom = 0.0;
    };

    virtual ~Graph() = default;

    /// Sets the data rectangle shown and repaints.
    virtual void SetBoundaries(const Boundaries& boundaries) = 0;
    /// The data rectangle shown.
    virtual const Boundaries& GetBoundaries() const = 0;
    /// Replaces the curves and repaints.
    virtual void SetCurves(std::vector<Curve> curves) = 0;
    /// The curves, in drawing order.
    virtual const std::vector<Curve>& GetCurves() const = 0;
};

} // namespace vex::gui::componentinterface
