#include "host/api/CallbackStatus.h"
#include "host/scene/MessageHub.h"

#include <maya/MDagMessage.h>
#include <maya/MDagPath.h>
#include <maya/MStatus.h>

namespace {

using vex::host::MessageHub;

// A filter that answers true for the node at `node` only, wherever that node moves later.
MessageHub::PathFilter onlyNode(const MDagPath& node) {
    const MObject target = node.node();
    return [target](const MDagPath& child) { return child.node() == target; };
}

} // namespace

MCallbackId MDagMessage::addParentRemovedCallback(MMessage::MParentChildFunction func, void* clientData,
                                                  MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().addParentRemovedCallback({}, func, clientData), ReturnStatus);
}

MCallbackId MDagMessage::addParentRemovedCallback(MDagPath& node, MMessage::MParentChildFunction func,
                                                  void* clientData, MStatus* ReturnStatus) {
    if (!node.isValid()) return reportInstalled(0, ReturnStatus);
    return reportInstalled(MessageHub::get().addParentRemovedCallback(onlyNode(node), func, clientData),
                           ReturnStatus);
}

MCallbackId MDagMessage::addParentAddedCallback(MMessage::MParentChildFunction func, void* clientData,
                                                MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().AddParentAddedCallback({}, func, clientData), ReturnStatus);
}

MCallbackId MDagMessage::addParentAddedCallback(MDagPath& node, MMessage::MParentChildFunction func,
                                                void* clientData, MStatus* ReturnStatus) {
    if (!node.isValid()) return reportInstalled(0, ReturnStatus);
    return reportInstalled(MessageHub::get().AddParentAddedCallback(onlyNode(node), func, clientData),
                           ReturnStatus);
}
