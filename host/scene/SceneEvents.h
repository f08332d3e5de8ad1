#pragma once

#include "host/scene/Node.h"

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
