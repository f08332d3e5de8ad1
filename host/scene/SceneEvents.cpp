#include "host/scene/SceneEvents.h"

#include "host/scene/MessageHub.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MDagPath.h>

namespace vex::host {

namespace {

std::vector<std::string> typeNames(const Node& node) {
    std::vector<std::string> names;
    for (const NodeType* type = &node.type(); type; type = type->parent().get())
        names.push_back(type->name());
    return names;
}

MDagPath pathTo(const NodePtr& node) {
    MDagPath path;
    MDagPath::getAPathTo(ObjectAccess::wrap(node), path);
    return path;
}

} // namespace

int& SceneEvents::depth() {
    static int muted = 0;
    return muted;
}

void SceneEvents::nodeAdded(const NodePtr& node) {
    if (depth() > 0) return;
    MObject object = ObjectAccess::wrap(node);
    MessageHub::get().fireNodeAdded(object, typeNames(*node));
}

void SceneEvents::nodeRemoved(const NodePtr& node) {
    if (depth() > 0) return;
    MObject object = ObjectAccess::wrap(node);
    MessageHub::get().fireNodeRemoved(object, typeNames(*node));
}

void SceneEvents::parentAdded(const NodePtr& child, const NodePtr& parent) {
    if (depth() > 0) return;
    MDagPath childPath = pathTo(child), parentPath = pathTo(parent);
    MessageHub::get().fireParentAdded(childPath, parentPath);
}

void SceneEvents::parentRemoved(const NodePtr& child, const NodePtr& parent) {
    if (depth() > 0) return;
    MDagPath childPath = pathTo(child), parentPath = pathTo(parent);
    MessageHub::get().fireParentRemoved(childPath, parentPath);
}

} // namespace vex::host
