#include "host/scene/SceneEvents.h"

#include "host/scene/MessageHub.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MDGModifier.h>
#include <maya/MDagPath.h>
#include <maya/MNodeMessage.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

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
    MessageHub::get().FirePreRemoval(node->Serial(), object);
    MessageHub::get().FireNodeRemoved(object, TypeNames(*node));
}

void SceneEvents::AttributeSet(const NodePtr& node, const AttributeDefinition& attribute) {
    if (Depth() > 0 || !MessageHub::get().WatchesNode(node->Serial())) return;
    auto shared = std::const_pointer_cast<AttributeDefinition>(attribute.shared_from_this());
    MPlug plug(ObjectAccess::wrap(node), ObjectAccess::wrap(shared)), none;
    MessageHub::get().FireAttributeChanged(node->Serial(), MNodeMessage::kAttributeSet, plug, none);
}

void SceneEvents::Connection(const NodePtr& source, const AttributePtr& sourceAttribute,
                             const NodePtr& destination, const AttributePtr& destinationAttribute,
                             bool made) {
    auto& hub = MessageHub::get();
    if (Depth() > 0 || (!hub.WatchesNode(source->Serial()) && !hub.WatchesNode(destination->Serial())))
        return;
    MPlug from(ObjectAccess::wrap(source), ObjectAccess::wrap(sourceAttribute));
    MPlug to(ObjectAccess::wrap(destination), ObjectAccess::wrap(destinationAttribute));
    const int message = (made ? MNodeMessage::kConnectionMade : MNodeMessage::kConnectionBroken) |
                        MNodeMessage::kOtherPlugSet;
    // The source hears of its outgoing connection, the destination of its incoming one.
    MessageHub::get().FireAttributeChanged(source->Serial(), message, from, to);
    MessageHub::get().FireAttributeChanged(destination->Serial(), message | MNodeMessage::kIncomingDirection,
                                           to, from);
}

void SceneEvents::Renamed(const NodePtr& node, const std::string& previous) {
    if (Depth() > 0) return;
    MObject object = ObjectAccess::wrap(node);
    MessageHub::get().FireNameChanged(node->Serial(), object, MString(previous));
}

void SceneEvents::AboutToDelete(const NodePtr& node) {
    if (Depth() > 0 || !MessageHub::get().WatchesNode(node->Serial())) return;
    MObject object = ObjectAccess::wrap(node);
    MDGModifier modifier;
    MessageHub::get().FireAboutToDelete(node->Serial(), object, modifier);
    modifier.doIt();
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
