#pragma once

#include "host/scene/Node.h"

#include <string>

namespace vex::host {

/// The nodes one createNode makes: the node itself and, for a shape asked for without a parent, the new
/// transform above it (as the host does; the transform is then the object handed back).
struct NewNodes {
    NodePtr node;
    NodePtr transform;
    /// The object createNode answers: the transform when one was made, else the node.
    const NodePtr& result() const { return transform ? transform : node; }
};

/// Makes the nodes for a type (not yet in the scene), the node named `name` when it is not empty. Fails
/// with a message for unknown or abstract types, DAG types given a parent that is not a live transform,
/// and DG types given a parent.
bool makeNodes(const std::string& typeName, const NodePtr& parent, const std::string& name, NewNodes& out,
               std::string& error);

/// Puts the nodes made by makeNodes into the scene, under the parent (null: the world).
bool insertNodes(const NewNodes& nodes, const NodePtr& parent);

} // namespace vex::host
