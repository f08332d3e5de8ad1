#pragma once

#include <maya/MPxNode.h>

#include <memory>

namespace vex::host {
class Node;
class NodeType;
class PluginCompute;
} // namespace vex::host

/// The host's side of MPxNode: attaching node objects to their scene nodes, and the node type whose
/// initialize function runs (MPxNode::addAttribute adds to it).
class MPxNodeAccess {
public:
    /// Attaches a node object to the scene node that owns it.
    static void attach(MPxNode& object, vex::host::Node& node) { object.node_ = &node; }
    /// The scene node of a node object (null before attach).
    static vex::host::Node* node(const MPxNode& object) {
        return static_cast<vex::host::Node*>(object.node_);
    }
    /// The type being registered (set while its initialize function runs), or null.
    static vex::host::NodeType*& typeBeingInitialized() {
        static vex::host::NodeType* type = nullptr;
        return type;
    }
    /// The compute of the type being registered, which attributeAffects records into (null outside).
    static vex::host::PluginCompute*& computeBeingInitialized() {
        static vex::host::PluginCompute* compute = nullptr;
        return compute;
    }
};
