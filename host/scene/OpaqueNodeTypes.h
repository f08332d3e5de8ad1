#pragma once

#include "host/scene/Node.h"
#include "host/scene/NodeType.h"

#include <string>

namespace vex::host {

/// Node types the host does not know that a scene file creates nodes of (lightLinker, renderLayer,
/// script, plug-in types not loaded). Each is a type of that name with only the attributes of the base
/// it stands on, so its nodes keep their name, place, connections the host can make and the file's
/// lines about them. They are kept apart from NodeTypeRegistry: a plug-in loaded later still registers
/// the real type, and new nodes are made of that.
class OpaqueNodeTypes {
public:
    /// What an opaque type stands on: a dependency node, a transform (a joint, an ik handle, or any
    /// type a file places under a transform, so that other nodes can live below it) or a shape.
    enum class Base { kDependency, kTransform, kShape };

    /// A new node, not yet in the scene, of the opaque type `typeName` (made on first use, on the base
    /// BaseFor gives); null when the registry knows the type, or the name is empty.
    static NodePtr MakeNode(const std::string& typeName, const std::string& name, bool hasParent);
    /// The base a type of that name stands on: shapes and transforms the host's users meet in files
    /// by name, any other type a file places under a parent on a transform, the rest on a dependency
    /// node.
    static Base BaseFor(const std::string& name, bool hasParent);
    /// Whether `type` is an opaque type.
    static bool Contains(const NodeType& type);

    /// While one lives, createNode makes a node of an opaque type for a type name the host does not
    /// know, rather than failing (the scene file reader holds one).
    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };
    /// Whether a Scope is alive.
    static bool Allowed();
};

} // namespace vex::host
