#pragma once

#include "host/scene/NodeType.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vex::host {

/// Every node type the host knows, by name and by type id: the built-in types (dependNode, dagNode,
/// transform, camera, mesh, nurbsCurve, nurbsSurface, lambert, objectSet, shadingEngine ...) and those
/// that plug-ins and the animation code register. Process-wide, created on first use.
class NodeTypeRegistry {
public:
    static NodeTypeRegistry& Instance();

    /// Registers a type. Fails when its name or its type id is taken.
    bool Add(const NodeTypePtr& type);

    /// Removes a type by name. Existing nodes keep their type object.
    bool remove(const std::string& name);

    /// The type with the given name, or null.
    NodeTypePtr Find(const std::string& name) const;

    /// The type with the given type id, or null.
    NodeTypePtr Find(std::uint32_t typeId) const;

    /// Names of all types, sorted.
    std::vector<std::string> Names() const;

private:
    NodeTypeRegistry();

    std::map<std::string, NodeTypePtr> byName_;
    std::map<std::uint32_t, NodeTypePtr> byId_;
};

} // namespace vex::host
