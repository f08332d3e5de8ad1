#include <maya/MCommandMessage.h>
#include <maya/MStatus.h>

#include "host/scene/MessageHub.h"
#include "host/api/CallbackStatus.h"

MCallbackId MCommandMessage::addCommandCallback(MMessage::MStringFunction func, void* clientData,
                                                MStatus* ReturnStatus) {
    return reportInstalled(vex::host::MessageHub::get().addCommandCallback(func, clientData), ReturnStatus);
}
