#include "host/api/CallbackStatus.h"
#include "host/scene/MessageHub.h"

#include <maya/MDGMessage.h>
#include <maya/MStatus.h>

MCallbackId MDGMessage::addNodeAddedCallback(MMessage::MNodeFunction func, const MString& nodeType,
                                             void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(
        vex::host::MessageHub::get().addNodeAddedCallback(nodeType.str(), func, clientData), ReturnStatus);
}

MCallbackId MDGMessage::addNodeRemovedCallback(MMessage::MNodeFunction func, const MString& nodeType,
                                               void* clientData, MStatus* ReturnStatus) {
    return reportInstalled(
        vex::host::MessageHub::get().addNodeRemovedCallback(nodeType.str(), func, clientData), ReturnStatus);
}
