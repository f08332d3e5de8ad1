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

    const std::string& name() const { return name_; }
    std::uint32_t TypeId() const { return typeId_; }
    MFn::Type ApiType() const { return apiType_; }
    const std::shared_ptr<const NodeType>& parent() const { return parent_; }

    /// True for this type's constant and those of its parent types.
    bool HasFn(MFn::Type type) const;

    /// Adds another type constant this type answers to (mesh is also kGeometric and kSurface).
    void AddFn(MFn::Type type) { extraFns_.push_back(type); }

    /// True for DAG node types (those deriving from dagNode).
    bool IsDag() const { return HasFn(MFn::kDagNode); }

    /// True for shape types: they live under a transform.
    bool IsShape() const { return HasFn(MFn::kShape); }

    /// True when no node of this type can be created (dependNode, dagNode, shape ...).
    bool IsAbstract() const { return abstract_; }
    void SetAbstract(bool abstract) { abstract_ = abstract; }

    /// Adds an attribute (with its children). Fails when its long or short name, or a child's, is in use.
    bool AddAttribute(const AttributePtr& attribute);

    /// All attributes, the parent type's first, top-level ones only (children hang below them).
    const std::vector<AttributePtr>& Attributes() const { return attributes_; }

    /// The attribute (top-level or child) with the given long or short name, or null.
    AttributePtr FindAttribute(const std::string& name) const;
    /// Whether `attribute` (top-level or child) is one of this type's own, by identity: the check every
    /// plug read makes, so it hashes a pointer rather than a name.
    bool OwnsAttribute(const AttributeDefinition& attribute) const { return owned_.count(&attribute) > 0; }

    /// Default name stem of new nodes ("transform" makes "transform1"; a camera shape "cameraShape1").
    const std::string& NameStem() const { return nameStem_; }
    void SetNameStem(std::string stem) { nameStem_ = std::move(stem); }

    void SetCompute(Compute compute) { compute_ = std::move(compute); }
    void SetOnCreate(OnCreate onCreate) { onCreate_ = std::move(onCreate); }
    const OnCreate& GetOnCreate() const { return onCreate_; }

    /// Runs this type's compute callback, then its parent types' ones, until one answers.
    bool RunCompute(const Scene& scene, const Node& node, const AttributeDefinition& attribute, double time,
                    Value& out) const;

    /// Name of the attribute holding the node's geometry (mesh "outMesh", curves "local"), or empty.
    const std::string& GeometryAttribute() const { return geometryAttribute_; }
    void SetGeometryAttribute(std::string name) { geometryAttribute_ = std::move(name); }

private:
    void index(const AttributePtr& attribute);
    bool NameInUse(const AttributeDefinition& attribute) const;

    std::string name_;
    std::uint32_t typeId_;
    MFn::Type apiType_;
    std::shared_ptr<const NodeType> parent_;
    std::vector<MFn::Type> extraFns_;
    bool abstract_ = false;
    std::vector<AttributePtr> attributes_;
    std::unordered_map<std::string, AttributePtr> byName_;
    std::unordered_set<const AttributeDefinition*> owned_;
    std::string nameStem_;
    std::string geometryAttribute_;
    Compute compute_;
    OnCreate onCreate_;
};

using NodeTypePtr = std::shared_ptr<NodeType>;

} // namespace vex::host
