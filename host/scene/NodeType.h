#pragma once

#include "host/scene/AttributeDefinition.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vex::host {

class Node;
class Scene;

/// A node type: its name, type id, type constants, attributes (its own after its parent type's) and an
/// optional compute callback that produces the values of computed or output attributes when read.
class NodeType {
public:
    /// Computes the value of an attribute of a node at a time (seconds). Answers false when this type
    /// does not compute that attribute; the parent type's callback, then the stored value, is used.
    using Compute = std::function<bool(const Scene& scene, const Node& node,
                                       const AttributeDefinition& attribute, double time, Value& out)>;

    /// Called once on every new node of this type, before it enters the scene (plug-in node objects
    /// are attached here).
    using OnCreate = std::function<void(Node& node)>;

    NodeType(std::string name, std::uint32_t typeId, MFn::Type apiType,
             std::shared_ptr<const NodeType> parent);

    const std::string& name() const { return m_name; }
    std::uint32_t typeId() const { return m_typeId; }
    MFn::Type apiType() const { return m_apiType; }
    const std::shared_ptr<const NodeType>& parent() const { return m_parent; }

    /// True for this type's constant and those of its parent types.
    bool hasFn(MFn::Type type) const;

    /// Adds another type constant this type answers to (mesh is also kGeometric and kSurface).
    void addFn(MFn::Type type) { m_extraFns.push_back(type); }

    /// True for DAG node types (those deriving from dagNode).
    bool isDag() const { return hasFn(MFn::kDagNode); }

    /// True for shape types: they live under a transform.
    bool isShape() const { return hasFn(MFn::kShape); }

    /// True when no node of this type can be created (dependNode, dagNode, shape ...).
    bool isAbstract() const { return m_abstract; }
    void setAbstract(bool abstract) { m_abstract = abstract; }

    /// Adds an attribute (with its children). Fails when its long or short name, or a child's, is in use.
    bool addAttribute(const AttributePtr& attribute);

    /// All attributes, the parent type's first, top-level ones only (children hang below them).
    const std::vector<AttributePtr>& attributes() const { return m_attributes; }

    /// The attribute (top-level or child) with the given long or short name, or null.
    AttributePtr findAttribute(const std::string& name) const;
    /// Whether `attribute` (top-level or child) is one of this type's own, by identity: the check every
    /// plug read makes, so it hashes a pointer rather than a name.
    bool ownsAttribute(const AttributeDefinition& attribute) const { return m_owned.count(&attribute) > 0; }

    /// Default name stem of new nodes ("transform" makes "transform1"; a camera shape "cameraShape1").
    const std::string& nameStem() const { return m_nameStem; }
    void setNameStem(std::string stem) { m_nameStem = std::move(stem); }

    void setCompute(Compute compute) { m_compute = std::move(compute); }
    void setOnCreate(OnCreate onCreate) { m_onCreate = std::move(onCreate); }
    const OnCreate& onCreate() const { return m_onCreate; }

    /// Runs this type's compute callback, then its parent types' ones, until one answers.
    bool compute(const Scene& scene, const Node& node, const AttributeDefinition& attribute, double time,
                 Value& out) const;

    /// Name of the attribute holding the node's geometry (mesh "outMesh", curves "local"), or empty.
    const std::string& geometryAttribute() const { return m_geometryAttribute; }
    void setGeometryAttribute(std::string name) { m_geometryAttribute = std::move(name); }

private:
    void index(const AttributePtr& attribute);
    bool nameInUse(const AttributeDefinition& attribute) const;

    std::string m_name;
    std::uint32_t m_typeId;
    MFn::Type m_apiType;
    std::shared_ptr<const NodeType> m_parent;
    std::vector<MFn::Type> m_extraFns;
    bool m_abstract = false;
    std::vector<AttributePtr> m_attributes;
    std::unordered_map<std::string, AttributePtr> m_byName;
    std::unordered_set<const AttributeDefinition*> m_owned;
    std::string m_nameStem;
    std::string m_geometryAttribute;
    Compute m_compute;
    OnCreate m_onCreate;
};

using NodeTypePtr = std::shared_ptr<NodeType>;

} // namespace vex::host
