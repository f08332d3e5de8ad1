#pragma once

#include "host/scene/AttributeDefinition.h"
#include "host/scene/NodeType.h"
#include "host/scene/Object.h"
#include "host/scene/Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vex::host {

class Scene;

/// One end of a connection as seen from a node: its own attribute, the node and attribute at the other end.
struct Link {
    AttributePtr attribute;
    std::weak_ptr<Node> other;
    AttributePtr otherAttribute;
};

/// A dependency-graph node: a type, a name, attribute values, connections and, for DAG nodes, a parent
/// and ordered children. Nodes are shared objects: MObject handles, modifiers and undo records keep a
/// deleted node alive so that undo can put the very same node back. All changes go through Scene, which
/// keeps names unique, records undo and fires the node messages.
class Node : public Object, public std::enable_shared_from_this<Node> {
public:
    explicit Node(NodeTypePtr type);

    const NodeType& type() const { return *m_type; }
    const NodeTypePtr& typePtr() const { return m_type; }
    const std::string& name() const { return m_name; }

    /// True while the node is part of the scene (false before insertion and after deletion).
    bool isAlive() const { return m_alive; }
    /// True for a node made but never put into the scene (a modifier's node before its doIt).
    bool isPending() const { return !m_alive && !m_inserted; }

    /// Creation serial number, unique in the process.
    std::uint64_t serial() const { return m_serial; }

    bool isDag() const { return m_type->isDag(); }

    /// The DAG parent (the world node for top-level nodes), or null for the world and DG nodes.
    std::shared_ptr<Node> parent() const { return m_parent.lock(); }
    const std::vector<std::shared_ptr<Node>>& children() const { return m_children; }
    /// Index of the child among this node's children, or -1.
    int childIndex(const Node& child) const;
    /// True when this node is the given node or lies below it.
    bool isDescendantOf(const Node& ancestor) const;

    /// "|a|b|c" for DAG nodes ("" for the world); the plain name for DG nodes.
    std::string fullPathName() const;

    /// The attribute (static or dynamic, top-level or child) with the given long or short name, or null.
    AttributePtr findAttribute(const std::string& name) const;
    /// True when the attribute belongs to this node (its type's or one of its dynamic attributes).
    bool hasAttribute(const AttributeDefinition& attribute) const;
    /// Top-level attributes: the type's, then the dynamic ones in the order they were added.
    std::vector<AttributePtr> attributes() const;
    const std::vector<AttributePtr>& dynamicAttributes() const { return m_dynamic; }
    bool isDynamic(const AttributeDefinition& attribute) const;

    /// The stored value of a leaf attribute (its default when never set). Compound and computed
    /// attributes are read through Scene::evaluate.
    Value storedValue(const AttributeDefinition& attribute) const;

    /// Connections arriving at (in) and leaving from (out) this node's attributes.
    const std::vector<Link>& inputs() const { return m_inputs; }
    const std::vector<Link>& outputs() const { return m_outputs; }
    /// The connection arriving at the attribute, or null.
    const Link* input(const AttributeDefinition& attribute) const;

    /// Members of a set node (shadingEngine, objectSet), in the order they were added; dead ones skipped.
    std::vector<std::shared_ptr<Node>> members() const;
    bool isMember(const Node& node) const;

    /// The object a plug-in type attaches to its nodes (its MPxNode), or null.
    const std::shared_ptr<void>& userObject() const { return m_user; }
    void setUserObject(std::shared_ptr<void> object) { m_user = std::move(object); }

    MFn::Type apiType() const override { return m_type->apiType(); }
    bool hasFn(MFn::Type type) const override { return m_type->hasFn(type); }

private:
    friend class Scene;
    friend class SceneChanges;

    NodeTypePtr m_type;
    std::string m_name;
    bool m_alive = false;
    bool m_inserted = false;
    bool m_leaving = false; // its removal messages are being sent
    std::uint64_t m_serial;
    std::weak_ptr<Node> m_parent;
    std::vector<std::shared_ptr<Node>> m_children;
    std::vector<AttributePtr> m_dynamic;
    std::unordered_map<const AttributeDefinition*, Value> m_values;
    std::vector<Link> m_inputs;
    std::vector<Link> m_outputs;
    std::vector<std::weak_ptr<Node>> m_members;
    std::shared_ptr<void> m_user;
};

using NodePtr = std::shared_ptr<Node>;

} // namespace vex::host
