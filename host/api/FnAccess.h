#pragma once

#include "host/api/HostConvert.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MFnBase.h>

namespace vex::host {

/// The node a function set is attached to when it is in the scene or about to enter it (a modifier's
/// new node before doIt); null (and a failing status) when there is none or it was deleted.
inline NodePtr liveNodeOf(const MFnBase& fn, MStatus* status = nullptr) {
    auto node = ObjectAccess::node(fn.object());
    if (node && !node->IsAlive() && !node->IsPending()) node.reset();
    convert::report(status, node ? MStatus(MStatus::kSuccess)
                                 : convert::failure("the function set has no node, or its node was deleted"));
    return node;
}

} // namespace vex::host

#include "host/scene/Scene.h"

namespace vex::host {

/// The value of a node's attribute at the current time (the attribute must exist).
inline Value readAttribute(const NodePtr& node, const char* name) {
    return Scene::Instance().evaluate(*node, *node->FindAttribute(name));
}

/// Sets a node's attribute; a failing status names the node and attribute.
inline MStatus writeAttribute(const NodePtr& node, const char* name, const Value& value) {
    return Scene::Instance().setValue(node, node->FindAttribute(name), value)
               ? MStatus(MStatus::kSuccess)
               : convert::failure(std::string("cannot set ") + name + " of " + node->name(),
                                  MStatus::kInvalidParameter);
}

/// Reads a number attribute of the function set's node; 0 and a failing status when there is no node.
inline double readNumber(const MFnBase& fn, const char* name, MStatus* status) {
    auto node = liveNodeOf(fn, status);
    return node ? ToDouble(readAttribute(node, name)) : 0.0;
}

/// Sets a number attribute of the function set's node.
inline MStatus writeNumber(const MFnBase& fn, const char* name, double value) {
    MStatus status;
    auto node = liveNodeOf(fn, &status);
    return node ? writeAttribute(node, name, value) : status;
}

} // namespace vex::host
