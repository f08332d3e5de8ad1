#pragma once

#include "tools/imagegen/Paint.h"

#include <vector>

namespace vex::imagegen {

/// One drawn element of a source, in design-space units, with the paint that was current when the
/// source named it.
struct Shape {
    enum class Kind { kRect, kEllipse, kPolygon, kPolyline, kArc };
    Kind kind = Kind::kRect;
    /// rect: x y w h radius; ellipse: cx cy rx ry; polygon/polyline: x y pairs;
    /// arc: cx cy rx ry start span (degrees, counter-clockwise from three o'clock).
    std::vector<double> values;
    Paint fill;
    Paint stroke;
    double strokeWidth = 0.0;
};

} // namespace vex::imagegen
