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

    const NodeType& type() const { return *type_; }
    const NodeTypePtr& TypePtr() const { return type_; }
    const std::string& name() const { return name_; }

    /// True while the node is part of the scene (false before insertion and after deletion).
    bool IsAlive() const { return alive_; }
    /// True for a node made but never put into the scene (a modifier's node before its doIt).
    bool IsPending() const { return !alive_ && !inserted_; }

    /// Creation serial number, unique in the process.
    std::uint64_t Serial() const { return serial_; }

    bool IsDag() const { return type_->IsDag(); }

    /// The DAG parent (the world node for top-level nodes), or null for the world and DG nodes.
    std::shared_ptr<Node> parent() const { return parent_.lock(); }
    const std::vector<std::shared_ptr<Node>>& Children() const { return children_; }
    /// Index of the child among this node's children, or -1.
    int ChildIndex(const Node& child) const;
    /// True when this node is the given node or lies below it.
    bool IsDescendantOf(const Node& ancestor) const;

    /// "|a|b|c" for DAG nodes ("" for the world); the plain name for DG nodes.
    std::string FullPathName() const;

    /// The attribute (static or dynamic, top-level or child) with the given long or short name, or null.
    AttributePtr FindAttribute(const std::string& name) const;
    /// True when the attribute belongs to this node (its type's or one of its dynamic attributes).
    bool HasAttribute(const AttributeDefinition& attribute) const;
    /// Top-level attributes: the type's, then the dynamic ones in the order they were added.
    std::vector<AttributePtr> Attributes() const;
    const std::vector<AttributePtr>& DynamicAttributes() const { return dynamic_; }
    bool IsDynamic(const AttributeDefinition& attribute) const;

    /// The stored value of a leaf attribute (its default when never set). Compound and computed
    /// attributes are read through Scene::evaluate.
    Value StoredValue(const AttributeDefinition& attribute) const;

    /// Connections arriving at (in) and leaving from (out) this node's attributes.
    const std::vector<Link>& Inputs() const { return inputs_; }
    const std::vector<Link>& Outputs() const { return outputs_; }
    /// The connection arriving at the attribute, or null.
    const Link* Input(const AttributeDefinition& attribute) const;

    /// Members of a set node (shadingEngine, objectSet), in the order they were added; dead ones skipped.
    std::vector<std::shared_ptr<Node>> Members() const;
    bool IsMember(const Node& node) const;

    /// The object a plug-in type attaches to its nodes (its MPxNode), or null.
    const std::shared_ptr<void>& UserObject() const { return user_; }
    void SetUserObject(std::shared_ptr<void> object) { user_ = std::move(object); }

    MFn::Type ApiType() const override { return type_->ApiType(); }
    bool HasFn(MFn::Type type) const override { return type_->HasFn(type); }

private:
    friend class Scene;
    friend class SceneChanges;

    NodeTypePtr type_;
    std::string name_;
    bool alive_ = false;
    bool inserted_ = false;
    bool leaving_ = false; // its removal messages are being sent
    std::uint64_t serial_;
    std::weak_ptr<Node> parent_;
    std::vector<std::shared_ptr<Node>> children_;
    std::vector<AttributePtr> dynamic_;
    std::unordered_map<const AttributeDefinition*, Value> values_;
    std::vector<Link> inputs_;
    std::vector<Link> outputs_;
    std::vector<std::weak_ptr<Node>> members_;
    std::shared_ptr<void> user_;
};

using NodePtr = std::shared_ptr<Node>;

} // namespace vex::host
