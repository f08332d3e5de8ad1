#pragma once

namespace vex::orb::adaptor::memory {

/// What hangs below a host transform: the kind of its shape.
enum class ShapeKind {
    None,
    Camera,
    PolygonMesh,
    NurbsCurve,
    NurbsSurface,
};

} // namespace vex::orb::adaptor::memory
