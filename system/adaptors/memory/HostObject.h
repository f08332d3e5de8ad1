#pragma once

#include "interface/CMesh.h"
#include "system/adaptors/memory/KeyedValue.h"
#include "system/adaptors/memory/ShapeKind.h"
#include "util/Matrix.h"
#include "util/Vector3.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vex::orb::adaptor::memory {

/// Handle of a host object; objects are never renumbered, so a handle stays valid for the scene's life.
using ObjectId = uint32_t;
/// The world root: the parent of every top-level object.
inline constexpr ObjectId kWorld = 0;

/// A colour with components 0 to 1.
struct Color {
    float r = 0.5f;
    float g = 0.5f;
    float b = 0.5f;

    bool operator==(const Color&) const = default;
};

/// One object of the in-memory host: a transform in the hierarchy with its shape and that shape's data.
struct HostObject {
    /// Default horizontal field of view: a 35 mm lens on a 36 mm film back.
    static constexpr double kDefaultFieldOfView = 54.4322;
    /// Default focus distance, in the host's linear unit.
    static constexpr double kDefaultFocusDistance = 5.0;

    /// The transform's host name, unique among the live objects.
    std::string name;
    /// The shape's host name (empty without a shape), unique like `name`.
    std::string shapeName;
    ShapeKind shape = ShapeKind::kNone;

    ObjectId parent = kWorld;
    /// Child transforms in order, deleted ones included.
    std::vector<ObjectId> children;

    /// The local matrix (row-vector convention: world = local × parent world).
    KeyedValue<util::Matrix<double>> transform;
    bool transformVisible = true;
    bool shapeVisible = true;
    /// Deleted in the host (by the user or by an undoable deletion); its descendants go with it.
    bool deleted = false;

    /// Camera lens: horizontal field of view in degrees, and focus distance.
    KeyedValue<double> fieldOfView{kDefaultFieldOfView};
    KeyedValue<double> focusDistance{kDefaultFocusDistance};

    /// Geometry of a polygon mesh, or the tessellation of a surface, in the object's local space.
    util::CMesh mesh;
    /// A polygon helper the system created (it has its own material colour).
    bool systemHelper = false;
    Color color;

    /// The points of a curve shape in local space, joined by straight segments.
    std::vector<util::Vector3<double>> curvePoints;

    /// Free string attributes (the system's node tags among them).
    std::map<std::string, std::string> attributes;
};

} // namespace vex::orb::adaptor::memory
