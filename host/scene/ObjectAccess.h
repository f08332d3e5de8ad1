#pragma once

#include "host/scene/AttributeDefinition.h"
#include "host/scene/Data.h"
#include "host/scene/Node.h"
#include "host/scene/Object.h"

#include <maya/MObject.h>

#include <memory>

namespace vex::host {

/// The bridge between MObject handles and the scene's objects, for the host's own function sets.
class ObjectAccess {
public:
    /// A handle to the object (null object for null).
    static MObject wrap(std::shared_ptr<Object> object);

    /// The object the handle refers to, or null.
    static const std::shared_ptr<Object>& ObjectOf(const MObject& handle) { return handle.object_; }

    /// The object as the given class, or null when it is something else.
    template <class T>
    static std::shared_ptr<T> as(const MObject& handle) {
        return std::dynamic_pointer_cast<T>(handle.object_);
    }

    /// The node the handle refers to (alive or not), or null.
    static NodePtr node(const MObject& handle) { return as<Node>(handle); }
    /// The live node the handle refers to, or null (also for deleted nodes).
    static NodePtr LiveNode(const MObject& handle);
    /// The attribute the handle refers to, or null.
    static AttributePtr Attribute(const MObject& handle) { return as<AttributeDefinition>(handle); }
    /// The data value the handle refers to, or null.
    static std::shared_ptr<Data> data(const MObject& handle) { return as<Data>(handle); }
};

} // namespace vex::host
