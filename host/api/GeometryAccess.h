#pragma once

#include "host/api/FnAccess.h"
#include "host/scene/Scene.h"

#include <maya/MDagPath.h>
#include <maya/MFnBase.h>
#include <maya/MMatrix.h>
#include <maya/MSpace.h>

#include <memory>

namespace vex::host {

/// Reading and writing the geometry the geometry function sets (MFnMesh, MFnNurbsCurve,
/// MFnNurbsSurface) work on: either a shape node, whose geometry is its type's geometry attribute, or
/// a data object of the geometry type itself.
template <class Geometry>
class GeometryAccess {
public:
    /// True for a live shape node of the set's type or a data object of the geometry's type.
    static bool accepts(const MObject& object, MFn::Type shapeType) {
        if (object.hasFn(shapeType)) return true;
        return ObjectAccess::as<Geometry>(object) != nullptr;
    }

    /// The geometry (an empty one when the shape holds none); null and a failing status when the
    /// function set is attached to nothing usable.
    static std::shared_ptr<const Geometry> read(const MFnBase& fn, MStatus* status) {
        if (auto data = ObjectAccess::as<Geometry>(fn.object())) {
            convert::report(status, MStatus::kSuccess);
            return data;
        }
        auto node = liveNodeOf(fn, status);
        if (!node) return nullptr;
        const auto attribute = node->FindAttribute(node->type().GeometryAttribute());
        if (!attribute) {
            convert::report(status, convert::failure("the node holds no geometry"));
            return nullptr;
        }
        const Value value = Scene::Instance().evaluate(*node, *attribute);
        const auto* data = std::get_if<DataPtr>(&value);
        auto geometry = data ? std::dynamic_pointer_cast<const Geometry>(*data) : nullptr;
        return geometry ? geometry : std::make_shared<const Geometry>();
    }

    /// Replaces the geometry: a shape node gets a new value of its geometry attribute, a data object
    /// takes the new contents.
    static MStatus write(const MFnBase& fn, std::shared_ptr<Geometry> geometry) {
        if (auto data = ObjectAccess::as<Geometry>(fn.object())) {
            *data = *geometry;
            return MStatus::kSuccess;
        }
        MStatus status;
        auto node = liveNodeOf(fn, &status);
        if (!node) return status;
        const auto attribute = node->FindAttribute(node->type().GeometryAttribute());
        if (!attribute || !Scene::Instance().setValue(node, attribute, DataPtr(std::move(geometry))))
            return convert::failure("cannot set the geometry of " + node->name());
        return MStatus::kSuccess;
    }

    /// The matrix from the geometry's object space into the given space: the shape's world matrix for
    /// MSpace::kWorld, else (and for data objects) the identity.
    static MMatrix toSpace(const MFnBase& fn, MSpace::Space space) {
        if (space != MSpace::kWorld || !ObjectAccess::LiveNode(fn.object())) return MMatrix();
        MDagPath path;
        if (!MDagPath::getAPathTo(fn.object(), path)) return MMatrix();
        return path.inclusiveMatrix();
    }
};

} // namespace vex::host
