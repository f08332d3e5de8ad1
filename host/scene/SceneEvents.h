#pragma once

#include "host/scene/Node.h"

#include <string>

namespace vex::host {

/// Passes the scene's structural changes on to the node and DAG messages that plug-ins listen to.
class SceneEvents {
public:
    /// A node entered the scene (creation, or undo of its deletion).
    static void NodeAdded(const NodePtr& node);
    /// A node is about to leave the scene (deletion, or undo of its creation); it can still be read.
    static void NodeRemoved(const NodePtr& node);
    /// A DAG node got a parent.
    static void ParentAdded(const NodePtr& child, const NodePtr& parent);
    /// A DAG node is about to lose its parent (reparenting or deletion).
    static void ParentRemoved(const NodePtr& child, const NodePtr& parent);

    /// An attribute value of a live node was stored (set, or put back by undo).
    static void AttributeSet(const NodePtr& node, const AttributeDefinition& attribute);
    /// A connection between two live nodes was made (`made`) or broken.
    static void Connection(const NodePtr& source, const AttributePtr& sourceAttribute,
                           const NodePtr& destination, const AttributePtr& destinationAttribute, bool made);
    /// A live node was renamed from `previous`.
    static void Renamed(const NodePtr& node, const std::string& previous);
    /// A node is about to be deleted: its listeners' modifier runs now, before anything is removed.
    static void AboutToDelete(const NodePtr& node);

    /// While one exists, no message is passed on (building a new scene's default nodes).
    class Mute {
    public:
        Mute() { ++Depth(); }
        ~Mute() { --Depth(); }
        Mute(const Mute&) = delete;
        Mute& operator=(const Mute&) = delete;
    };

private:
    static int& Depth();
};

} // namespace vex::host
