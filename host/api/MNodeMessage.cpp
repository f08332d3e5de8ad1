#include "host/api/CallbackStatus.h"
#include "host/scene/MessageHub.h"
#include "host/scene/ObjectAccess.h"

#include <maya/MNodeMessage.h>

using vex::host::MessageHub;

namespace {

// The serial number of the live node a callback is installed on, or 0 (the hub refuses 0).
std::uint64_t watched(const MObject& node) {
    const vex::host::NodePtr live = vex::host::ObjectAccess::LiveNode(node);
    return live ? live->Serial() : 0;
}

} // namespace

MCallbackId MNodeMessage::addAttributeChangedCallback(MObject& node, MAttr2PlugFunction func,
                                                      void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().AddAttributeChangedCallback(
                               watched(node), reinterpret_cast<void (*)()>(func), clientData),
                           ReturnStatus);
}

MCallbackId MNodeMessage::addNameChangedCallback(MObject& node, MMessage::MNodeStringFunction func,
                                                 void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().AddNameChangedCallback(watched(node), func, clientData),
                           ReturnStatus);
}

MCallbackId MNodeMessage::addNodePreRemovalCallback(MObject& node, MMessage::MNodeFunction func,
                                                    void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().AddPreRemovalCallback(watched(node), func, clientData),
                           ReturnStatus);
}

MCallbackId MNodeMessage::addNodeAboutToDeleteCallback(MObject& node, MMessage::MNodeModifierFunction func,
                                                       void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(MessageHub::get().AddAboutToDeleteCallback(watched(node), func, clientData),
                           ReturnStatus);
}

const char* MNodeMessage::className() {
    return "MNodeMessage";
}
