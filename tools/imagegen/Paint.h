#pragma once

#include <QColor>
#include <QPointF>

namespace vex::imagegen {

/// How a shape's inside or outline is coloured: not at all, one colour, or a linear gradient between
/// two points of the design space.
struct Paint {
    enum class Kind { kNone, kSolid, kLinear };
    Kind kind = Kind::kNone;
    /// The solid colour, or the gradient's colour at `from`.
    QColor colour;
    /// The gradient's colour at `to`.
    QColor colour2;
    QPointF from;
    QPointF to;
};

} // namespace vex::imagegen
