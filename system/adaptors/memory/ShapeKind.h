#pragma once

namespace vex::orb::adaptor::memory {

/// What hangs below a host transform: the kind of its shape.
enum class ShapeKind {
    kNone,
    kCamera,
    kPolygonMesh,
    kNurbsCurve,
    kNurbsSurface,
};

} // namespace vex::orb::adaptor::memory
