#include "host/api/CallbackStatus.h"
#include "host/scene/MessageHub.h"

#include <maya/MCommandMessage.h>
#include <maya/MStatus.h>

MCallbackId MCommandMessage::addCommandCallback(MMessage::MStringFunction func, void* clientData,
                                                MStatus* ReturnStatus) {
    return reportInstalled(vex::host::MessageHub::get().addCommandCallback(func, clientData), ReturnStatus);
}
