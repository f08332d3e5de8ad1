#include "host/scene/SceneEvents.h"

#include "host/scene/MessageHub.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MDagPath.h>

namespace vex::host {

namespace {

std::vector<std::string> TypeNames(const Node& node) {
    std::vector<std::string> names;
    for (const NodeType* type = &node.type(); type; type = type->parent().get())
        names.push_back(type->name());
    return names;
}

MDagPath PathTo(const NodePtr& node) {
    MDagPath path;
    MDagPath::getAPathTo(ObjectAccess::wrap(node), path);
    return path;
}

} // namespace

int& SceneEvents::Depth() {
    static int muted = 0;
    return muted;
}

void SceneEvents::NodeAdded(const NodePtr& node) {
    if (Depth() > 0) return;
    MObject object = ObjectAccess::wrap(node);
    MessageHub::get().FireNodeAdded(object, TypeNames(*node));
}

void SceneEvents::NodeRemoved(const NodePtr& node) {
    if (Depth() > 0) return;
    MObject object = ObjectAccess::wrap(node);
    MessageHub::get().FireNodeRemoved(object, TypeNames(*node));
}

void SceneEvents::ParentAdded(const NodePtr& child, const NodePtr& parent) {
    if (Depth() > 0) return;
    MDagPath childPath = PathTo(child), parentPath = PathTo(parent);
    MessageHub::get().FireParentAdded(childPath, parentPath);
}

void SceneEvents::ParentRemoved(const NodePtr& child, const NodePtr& parent) {
    if (Depth() > 0) return;
    MDagPath childPath = PathTo(child), parentPath = PathTo(parent);
    MessageHub::get().FireParentRemoved(childPath, parentPath);
}

} // namespace vex::host
